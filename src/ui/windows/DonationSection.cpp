#include "ui/windows/DonationSection.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"
#include "ui/windows/DonationWalletCard.h"

namespace quorbit {

int DonationSection::columnCountForWidth(int width) {
    return std::max(1, (width + columnSpacing) / (minimumColumnWidth + columnSpacing));
}

DonationSection::DonationSection(std::vector<DonationWallet> wallets, QWidget* parent)
    : QWidget(parent), title_(new QLabel), text_(new QLabel), grid_(new QGridLayout) {
    setObjectName(objectnames::about::donationSection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    title_->setFont(Typography::font(TextStyle::headline));
    text_->setFont(Typography::font(TextStyle::callout));
    text_->setWordWrap(true);
    TextTone::apply(text_, TextTone::secondary);
    heading->addWidget(title_);
    heading->addWidget(text_);
    layout->addLayout(heading);

    grid_->setHorizontalSpacing(columnSpacing);
    grid_->setVerticalSpacing(10);
    layout->addLayout(grid_);
    for (DonationWallet& wallet : wallets) {
        auto* card = new DonationWalletCard(wallet, this);
        connect(card, &DonationWalletCard::copyRequested, this, [this, card] { emit copyRequested(card->wallet()); });
        connect(card, &DonationWalletCard::qrRequested, this, [this, card] { emit qrRequested(card->wallet()); });
        cards_.push_back(card);
    }
    arrangeCards(1);
    setLanguage(AppLanguage::english);
}

void DonationSection::setLanguage(AppLanguage language) {
    language_ = language;
    title_->setText(localized(language_, "Support the project", "Поддержать проект"));
    text_->setText(localized(language_,
                             "If Quorbit is useful, you can support development with any amount using one of "
                             "these wallets.",
                             "Поддержать разработку."));
    for (DonationWalletCard* card : cards_) card->setLanguage(language_);
}

void DonationSection::setCopiedWalletID(const std::optional<std::string>& id) {
    for (DonationWalletCard* card : cards_) card->setCopied(id == card->wallet().id);
}

void DonationSection::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeCards(columnCountForWidth(event->size().width()));
}

void DonationSection::arrangeCards(int columns) {
    if (columns == columns_) return;
    for (DonationWalletCard* card : cards_) grid_->removeWidget(card);
    for (int column = 0; column < std::max(columns, columns_); ++column) {
        grid_->setColumnStretch(column, column < columns ? 1 : 0);
    }
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        const int index = static_cast<int>(i);
        grid_->addWidget(cards_[i], index / columns, index % columns, Qt::AlignTop);
    }
    columns_ = columns;
}

}  // namespace quorbit
