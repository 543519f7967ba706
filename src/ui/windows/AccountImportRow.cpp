#include "ui/windows/AccountImportRow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "domain/UnicodeText.h"
#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/TintedPanel.h"
#include "ui/kit/Typography.h"

namespace quorbit {
namespace {

QString algorithmName(OtpAlgorithm algorithm) {
    switch (algorithm) {
    case OtpAlgorithm::sha1: return QStringLiteral("SHA1");
    case OtpAlgorithm::sha256: return QStringLiteral("SHA256");
    case OtpAlgorithm::sha512: return QStringLiteral("SHA512");
    }
    return {};
}

QWidget* invalidLabel() {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const int side = Typography::pixelSize(TextStyle::caption);
    auto* icon = new SymbolView(QStringLiteral("exclamationmark.triangle"), side, &Palette::orange);
    auto* text = new StyledLabel(TextStyle::caption, StyledLabel::Tone::orange);
    text->setText(QStringLiteral("Invalid"));
    layout->addWidget(icon);
    layout->addWidget(text);
    return box;
}

}  // namespace

AccountImportRow::AccountImportRow(const GoogleAuthAccount& account, AppLanguage language, QWidget* parent)
    : QWidget(parent), account_(account), language_(language), check_(new QCheckBox),
      title_(new PlainLabel(Typography::font(TextStyle::body, QFont::Medium))),
      separator_(new PlainLabel(Typography::font(TextStyle::body), QStringLiteral("·"))),
      name_(new PlainLabel(Typography::font(TextStyle::body),
                           QString::fromStdString(UnicodeText::isolatedForDisplay(account.name)))),
      digits_(new PlainLabel(Typography::font(TextStyle::caption2))), invalid_(invalidLabel()) {
    setObjectName(objectnames::windows::importRow);
    check_->setObjectName(objectnames::windows::importRowCheck);
    title_->setObjectName(objectnames::windows::importRowTitle);
    name_->setObjectName(objectnames::windows::importRowName);
    invalid_->setObjectName(objectnames::windows::importRowInvalid);
    connect(check_, &QCheckBox::clicked, this, &AccountImportRow::toggled);
    TextTone::apply(separator_, TextTone::secondary);
    TextTone::apply(name_, TextTone::secondary);

    auto* nameLine = new QHBoxLayout;
    nameLine->setSpacing(6);
    nameLine->addWidget(title_);
    nameLine->addWidget(separator_);
    nameLine->addWidget(name_);
    nameLine->addStretch();

    const QFont detailFont = Typography::font(TextStyle::caption2);
    auto* details = new QHBoxLayout;
    details->setSpacing(8);
    auto* typeBox = new QHBoxLayout;
    typeBox->setSpacing(3);
    typeBox->addWidget(
        new SymbolView(QStringLiteral("clock"), Typography::pixelSize(TextStyle::caption2), TextTone::secondary));
    QLabel* type =
        new PlainLabel(detailFont, account.type == OtpType::totp ? QStringLiteral("TOTP") : QStringLiteral("HOTP"));
    typeBox->addWidget(type);
    details->addLayout(typeBox);
    details->addWidget(digits_);
    QLabel* algorithm = new PlainLabel(detailFont, algorithmName(account.algorithm));
    details->addWidget(algorithm);
    details->addStretch();
    for (QLabel* label : {type, digits_, algorithm}) TextTone::apply(label, TextTone::secondary);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addLayout(nameLine);
    texts->addLayout(details);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(check_);
    layout->addLayout(texts, 1);
    layout->addWidget(invalid_);
    invalid_->setVisible(!account.isValidForImport());
    // Without an issuer the name (or the placeholder) is the title, in the secondary colour.
    const bool hasIssuer = !account.issuer.empty();
    const bool hasName = !account.name.empty();
    title_->setFont(Typography::font(TextStyle::body, hasIssuer || !hasName ? QFont::Medium : QFont::Normal));
    if (!hasIssuer) TextTone::apply(title_, TextTone::secondary);
    separator_->setVisible(hasIssuer && hasName);
    name_->setVisible(hasIssuer && hasName);
    showTexts();
}

void AccountImportRow::setSelected(bool selected) {
    if (selected_ == selected) return;
    selected_ = selected;
    const QSignalBlocker blocker(check_);
    check_->setChecked(selected);
    update();
}

void AccountImportRow::setLanguage(AppLanguage language) {
    if (language_ == language) return;
    language_ = language;
    showTexts();
}

void AccountImportRow::showTexts() {
    const bool hasIssuer = !account_.issuer.empty();
    const bool hasName = !account_.name.empty();
    if (hasIssuer) {
        title_->setText(QString::fromStdString(UnicodeText::isolatedForDisplay(account_.issuer)));
    } else if (hasName) {
        title_->setText(QString::fromStdString(UnicodeText::isolatedForDisplay(account_.name)));
    } else {
        title_->setText(localized(language_, "Unnamed Account", "Безымянный аккаунт"));
    }
    digits_->setText(QString::number(account_.digits) + QStringLiteral(" digits"));
}

void AccountImportRow::paintEvent(QPaintEvent*) {
    if (!selected_) return;
    QPainter painter(this);
    TintedPanel::paint(painter, rect(), Palette::withAlpha(Palette(palette()).accent(), 0.10), 8);
}

}  // namespace quorbit
