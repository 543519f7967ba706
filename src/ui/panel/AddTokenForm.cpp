#include "ui/panel/AddTokenForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/Typography.h"
#include "ui/panel/OtpSettingsFields.h"
#include "ui/panel/TagPicker.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    const QSignalBlocker block(field);
    field->setText(text);
}

QLabel* secondaryLabel() { return new StyledLabel(TextStyle::body, StyledLabel::Tone::secondary); }

}  // namespace

AddTokenForm::AddTokenForm(QuorbitViewModel& viewModel, QWidget* parent)
    : FramelessScrollArea(parent), viewModel_(viewModel), title_(new QLabel), subtitle_(secondaryLabel()),
      importImage_(new QPushButton), readScreen_(new QPushButton), issuerCaption_(secondaryLabel()),
      accountCaption_(secondaryLabel()), secretCaption_(secondaryLabel()), issuer_(new QLineEdit),
      account_(new QLineEdit), secret_(new QLineEdit), secretText_(*secret_), otpHeading_(new QLabel),
      otpFields_(new OtpSettingsFields), tags_(new TagPicker), cancel_(new QPushButton), submit_(new ProminentButton) {
    setObjectName(objectnames::panel::addForm);
    importImage_->setObjectName(objectnames::panel::addFormImportImage);
    readScreen_->setObjectName(objectnames::panel::addFormReadScreen);
    issuer_->setObjectName(objectnames::panel::addFormIssuer);
    account_->setObjectName(objectnames::panel::addFormAccount);
    secret_->setObjectName(objectnames::panel::addFormSecret);
    cancel_->setObjectName(objectnames::panel::addFormCancel);
    submit_->setObjectName(objectnames::panel::addFormSubmit);

    auto* card = new GlassPanel(GlassPanel::cardRadius);
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(22, 22, 22, 22);
    layout->setSpacing(18);
    layout->addWidget(buildHeader());
    layout->addWidget(buildQrButtons());
    layout->addWidget(buildManualEntry());
    layout->addWidget(buildOtpSettings());
    layout->addWidget(tags_);
    layout->addStretch();
    layout->addWidget(buildActions());

    setContent(card);

    connectFields();
    connect(&viewModel_, &QuorbitViewModel::addFormChanged, this, &AddTokenForm::showValues);
    connect(&viewModel_, &QuorbitViewModel::accountGroupsChanged, this, &AddTokenForm::showValues);
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &AddTokenForm::showTexts);
    showTexts();
    showValues();
    showIcons();
}

QWidget* AddTokenForm::buildHeader() {
    title_->setFont(Typography::font(TextStyle::title2, QFont::DemiBold));
    subtitle_->setFont(Typography::font(TextStyle::callout));
    subtitle_->setWordWrap(true);
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(title_);
    layout->addWidget(subtitle_);
    return header;
}

QWidget* AddTokenForm::buildQrButtons() {
    auto* buttons = new QWidget;
    auto* layout = new QVBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (QPushButton* button : {importImage_, readScreen_}) {
        button->setMinimumHeight(30);
        layout->addWidget(button);
    }
    return buttons;
}

QWidget* AddTokenForm::buildManualEntry() {
    secret_->setFont(Typography::monospaced(TextStyle::body));
    issuer_->setPlaceholderText(QStringLiteral("GitHub"));
    account_->setPlaceholderText(QStringLiteral("name@example.com"));
    auto* entry = new QWidget;
    auto* grid = new QGridLayout(entry);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->addWidget(issuerCaption_, 0, 0);
    grid->addWidget(issuer_, 0, 1);
    grid->addWidget(accountCaption_, 1, 0);
    grid->addWidget(account_, 1, 1);
    grid->addWidget(secretCaption_, 2, 0);
    grid->addWidget(secret_, 2, 1);
    return entry;
}

QWidget* AddTokenForm::buildOtpSettings() {
    otpHeading_->setFont(Typography::font(TextStyle::headline));
    auto* settings = new QWidget;
    auto* layout = new QVBoxLayout(settings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(otpHeading_);
    layout->addWidget(otpFields_);
    return settings;
}

QWidget* AddTokenForm::buildActions() {
    auto* actions = new QWidget;
    auto* layout = new QHBoxLayout(actions);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cancel_);
    layout->addStretch();
    layout->addWidget(submit_);
    return actions;
}

void AddTokenForm::connectFields() {
    QuorbitViewModel& model = viewModel_;
    connect(importImage_, &QPushButton::clicked, this, [&model] { model.importQRImage(true); });
    connect(readScreen_, &QPushButton::clicked, this, [&model] { model.importQRCodeFromScreen(true); });
    connect(issuer_, &QLineEdit::textEdited, &model, &QuorbitViewModel::setManualIssuer);
    connect(account_, &QLineEdit::textEdited, &model, &QuorbitViewModel::setManualAccountName);
    connect(secret_, &QLineEdit::textEdited, &model, &QuorbitViewModel::setManualSecret);
    connect(otpFields_, &OtpSettingsFields::typeEdited, &model, &QuorbitViewModel::setManualOtpType);
    connect(otpFields_, &OtpSettingsFields::algorithmEdited, &model, &QuorbitViewModel::setManualAlgorithm);
    connect(otpFields_, &OtpSettingsFields::digitsEdited, &model, &QuorbitViewModel::setManualDigits);
    connect(otpFields_, &OtpSettingsFields::periodEdited, &model, &QuorbitViewModel::setManualPeriod);
    connect(otpFields_, &OtpSettingsFields::counterEdited, &model, &QuorbitViewModel::setManualHotpCounter);
    connect(tags_, &TagPicker::tagToggled, this, [&model](const std::string& tag) {
        std::set<std::string> selected = model.manualSelectedTags();
        model.toggleTag(tag, selected);
        model.setManualSelectedTags(selected);
    });
    connect(tags_, &TagPicker::newTagEdited, &model, &QuorbitViewModel::setManualNewTag);
    connect(tags_, &TagPicker::addTagRequested, &model, &QuorbitViewModel::addManualTag);
    connect(cancel_, &QPushButton::clicked, this, &AddTokenForm::cancelRequested);
    // Started and not awaited: the outcome comes back through the view model's state.
    connect(submit_, &QPushButton::clicked, this, [&model] { (void)model.addManual(); });
}

void AddTokenForm::showValues() {
    showText(issuer_, viewModel_.manualIssuer());
    showText(account_, viewModel_.manualAccountName());
    secretText_.show(viewModel_.manualSecret());
    otpFields_->setValues({.type = viewModel_.manualOtpType(),
                           .algorithm = viewModel_.manualAlgorithm(),
                           .digits = viewModel_.manualDigits(),
                           .period = viewModel_.manualPeriod(),
                           .counter = viewModel_.manualHotpCounter()});
    tags_->setTags(viewModel_.accountGroups(), viewModel_.manualSelectedTags());
    tags_->setNewTag(viewModel_.manualNewTag());
}

void AddTokenForm::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    title_->setText(localized(language, "Add Token", "Добавить токен"));
    subtitle_->setText(localized(language, "Add a token manually, from a QR image, or from the screen.",
                                 "Добавьте токен вручную или через QR-код."));
    importImage_->setText(localized(language, "Import QR Code", "Импорт QR-кода"));
    readScreen_->setText(localized(language, "Read QR from Screen", "Сканировать QR с экрана"));
    issuerCaption_->setText(localized(language, "Issuer", "Издатель"));
    accountCaption_->setText(localized(language, "Account", "Аккаунт"));
    secretCaption_->setText(localized(language, "Secret", "Секрет"));
    secret_->setPlaceholderText(localized(language, "Base32 secret", "Base32 секрет"));
    otpHeading_->setText(localized(language, "OTP settings", "Настройки OTP"));
    otpFields_->setLanguage(language);
    tags_->setLanguage(language);
    cancel_->setText(localized(language, "Cancel", "Отмена"));
    submit_->setText(localized(language, "Add Token", "Добавить токен"));
}

void AddTokenForm::showIcons() {
    const QColor tint = Palette(palette()).accent();
    importImage_->setIcon(IconFactory::icon(QStringLiteral("qrcode.viewfinder"), tint));
    readScreen_->setIcon(IconFactory::icon(QStringLiteral("rectangle.dashed"), tint));
}

// Only once our own palette holds the new colours: the application-wide change can reach us
// before our parent's palette, which ours is resolved from, has changed.
void AddTokenForm::changeEvent(QEvent* event) {
    FramelessScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) showIcons();
}

}  // namespace quorbit
