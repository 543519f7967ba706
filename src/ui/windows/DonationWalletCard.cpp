#include "ui/windows/DonationWalletCard.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/Typography.h"
#include "ui/windows/AddressText.h"
#include "ui/windows/WalletBrandIcon.h"

namespace quorbit {
namespace {

QColor accentOf(const DonationWallet& wallet) {
    return QColor::fromRgbF(static_cast<float>(wallet.accentRed), static_cast<float>(wallet.accentGreen),
                            static_cast<float>(wallet.accentBlue));
}

}  // namespace

DonationWalletCard::DonationWalletCard(DonationWallet wallet, QWidget* parent)
    : QWidget(parent), wallet_(std::move(wallet)), copyButton_(new QPushButton), qrButton_(new ProminentButton) {
    setObjectName(toQString(wallet_.id));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);

    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(10);
    titleRow->addWidget(new WalletBrandIcon(toQString(wallet_.logoFileName), accentOf(wallet_)));
    titleRow->addWidget(new PlainLabel(Typography::font(TextStyle::headline), toQString(wallet_.title)));
    titleRow->addStretch();
    layout->addLayout(titleRow);

    layout->addWidget(
        new AddressText(toQString(wallet_.address), Typography::monospaced(TextStyle::caption), 2, Qt::AlignLeft));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    copyButton_->setObjectName(objectnames::about::walletCopy);
    qrButton_->setObjectName(objectnames::about::walletQr);
    qrButton_->setText(QStringLiteral("QR"));
    for (QPushButton* button : {copyButton_, qrButton_}) {
        button->setAutoDefault(false);
        // Both as tall as the row, which the prominent one sets: a bordered button is shorter.
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        button->setFont(Typography::font(TextStyle::callout));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(copyButton_, &QPushButton::clicked, this, &DonationWalletCard::copyRequested);
    connect(qrButton_, &QPushButton::clicked, this, &DonationWalletCard::qrRequested);
    relabel();
}

void DonationWalletCard::setLanguage(AppLanguage language) {
    if (language_ == language) return;
    language_ = language;
    relabel();
}

void DonationWalletCard::setCopied(bool copied) {
    if (copied_ == copied) return;
    copied_ = copied;
    relabel();
}

void DonationWalletCard::relabel() {
    const QColor text = QApplication::palette().color(QPalette::ButtonText);
    copyButton_->setText(copied_ ? localized(language_, "Address copied", "Адрес скопирован")
                                 : localized(language_, "Copy", "Копировать"));
    copyButton_->setIcon(IconFactory::icon(copied_ ? QStringLiteral("checkmark") : QStringLiteral("doc.on.doc"), text));
    qrButton_->setIcon(
        IconFactory::icon(QStringLiteral("qrcode"), QApplication::palette().color(QPalette::HighlightedText)));
}

bool DonationWalletCard::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange) relabel();  // icons in the new colours
    return handled;
}

void DonationWalletCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    GlassPanel::paint(painter, card, GlassPanel::rowRadius, palette());
    painter.setPen(QPen(Palette::withAlpha(accentOf(wallet_), 0.28), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ContinuousRoundedRect::path(card, GlassPanel::rowRadius));
}

}  // namespace quorbit
