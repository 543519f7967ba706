#include "ui/panel/OtpSettingsSheet.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/Typography.h"
#include "ui/panel/OtpSettingsFields.h"
#include "ui/panel/TagPicker.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

OtpSettingsSheet::OtpSettingsSheet(QuorbitViewModel& viewModel, QWidget* parent)
    : QDialog(parent), viewModel_(viewModel), title_(new QLabel), otpFields_(new OtpSettingsFields),
      tags_(new TagPicker), cancel_(new QPushButton), save_(new ProminentButton) {
    setObjectName(objectnames::panel::sheet);
    cancel_->setObjectName(objectnames::panel::sheetCancel);
    save_->setObjectName(objectnames::panel::sheetSave);
    setWindowModality(Qt::WindowModal);
    setFixedWidth(sheetWidth);
    cancel_->setAutoDefault(false);
    save_->setDefault(true);
    title_->setFont(Typography::font(TextStyle::title3, QFont::DemiBold));

    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setForegroundRole(QPalette::Mid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(save_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(title_);
    layout->addWidget(otpFields_);
    layout->addWidget(divider);
    layout->addWidget(tags_);
    layout->addLayout(buttons);

    connectFields();
    connect(&viewModel_, &QuorbitViewModel::editorChanged, this, &OtpSettingsSheet::showValues);
    connect(&viewModel_, &QuorbitViewModel::accountGroupsChanged, this, &OtpSettingsSheet::showValues);
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &OtpSettingsSheet::showTexts);
    showTexts();
    showValues();
}

void OtpSettingsSheet::connectFields() {
    QuorbitViewModel& model = viewModel_;
    connect(otpFields_, &OtpSettingsFields::typeEdited, &model, &QuorbitViewModel::setEditorOtpType);
    connect(otpFields_, &OtpSettingsFields::algorithmEdited, &model, &QuorbitViewModel::setEditorAlgorithm);
    connect(otpFields_, &OtpSettingsFields::digitsEdited, &model, &QuorbitViewModel::setEditorDigits);
    connect(otpFields_, &OtpSettingsFields::periodEdited, &model, &QuorbitViewModel::setEditorPeriod);
    connect(otpFields_, &OtpSettingsFields::counterEdited, &model, &QuorbitViewModel::setEditorHotpCounter);
    connect(tags_, &TagPicker::tagToggled, this, [&model](const std::string& tag) {
        std::set<std::string> selected = model.editorSelectedTags();
        model.toggleTag(tag, selected);
        model.setEditorSelectedTags(selected);
    });
    connect(tags_, &TagPicker::newTagEdited, &model, &QuorbitViewModel::setEditorNewTag);
    connect(tags_, &TagPicker::addTagRequested, &model, &QuorbitViewModel::addEditorTag);
    connect(cancel_, &QPushButton::clicked, this, &OtpSettingsSheet::reject);
    // Started and not awaited: a successful save stops the editing, which closes the sheet.
    connect(save_, &QPushButton::clicked, this, [&model] { (void)model.saveEditedTags(); });
}

void OtpSettingsSheet::reject() {
    if (viewModel_.editingTagsAccount()) viewModel_.cancelEditingTags();
    QDialog::reject();
}

void OtpSettingsSheet::showValues() {
    otpFields_->setValues({.type = viewModel_.editorOtpType(),
                           .algorithm = viewModel_.editorAlgorithm(),
                           .digits = viewModel_.editorDigits(),
                           .period = viewModel_.editorPeriod(),
                           .counter = viewModel_.editorHotpCounter()});
    tags_->setTags(viewModel_.accountGroups(), viewModel_.editorSelectedTags());
    tags_->setNewTag(viewModel_.editorNewTag());
}

void OtpSettingsSheet::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    setWindowTitle(localized(language, "Edit OTP settings", "Изменить настройки OTP"));
    title_->setText(localized(language, "Edit OTP settings", "Изменить настройки OTP"));
    otpFields_->setLanguage(language);
    tags_->setLanguage(language);
    cancel_->setText(localized(language, "Cancel", "Отмена"));
    save_->setText(localized(language, "Save settings", "Сохранить настройки"));
}

}  // namespace quorbit
