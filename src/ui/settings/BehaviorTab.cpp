#include "ui/settings/BehaviorTab.h"

#include "ui/ObjectNames.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsPicker.h"
#include "ui/kit/SettingsSection.h"
#include "ui/kit/SettingsToggleRow.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolButton.h"
#include "ui/kit/WarningLabel.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

BehaviorTab::BehaviorTab(QuorbitViewModel& viewModel, QWidget* parent)
    : SettingsPage(viewModel, objectnames::settings::behaviorPage, parent) {
    buildCopy();
    buildShortcuts();
    buildList();
    follow();
}

bool BehaviorTab::shortcutsConflict(const AppSettings& settings) {
    const std::optional<std::string> open = settings.openPanelShortcut.registrationKey();
    const std::optional<std::string> copy = settings.copyCodeShortcut.registrationKey();
    return open && copy && *open == *copy;
}

void BehaviorTab::buildCopy() {
    copy_ = addSection();
    copyOnClick_ = named(new SettingsToggleRow, objectnames::settings::copyOnClickToggle);
    closeAfterCopy_ = named(new SettingsToggleRow, objectnames::settings::closeAfterCopyToggle);
    copy_->addWidget(copyOnClick_);
    copy_->addWidget(closeAfterCopy_);
    connect(copyOnClick_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { writeSetting(&AppSettings::copyCodeOnClick, on); });
    connect(closeAfterCopy_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { writeSetting(&AppSettings::closeMenuAfterCopy, on); });
}

void BehaviorTab::buildShortcuts() {
    shortcuts_ = addSection();
    shortcutsNote_ = makeNote();
    openPanel_ =
        named(new SettingsPicker(SettingsPickerStyle::menu, true), objectnames::settings::openPanelShortcutPicker);
    copyCode_ =
        named(new SettingsPicker(SettingsPickerStyle::menu, true), objectnames::settings::copyCodeShortcutPicker);
    conflict_ = named(new WarningLabel, objectnames::settings::shortcutConflictWarning);
    reset_ =
        named(new SymbolButton(QStringLiteral("arrow.counterclockwise")), objectnames::settings::resetShortcutsButton);
    shortcuts_->addWidget(shortcutsNote_);
    shortcuts_->addWidget(openPanel_);
    shortcuts_->addWidget(copyCode_);
    shortcuts_->addWidget(conflict_);
    shortcuts_->addWidget(reset_, Qt::AlignLeft);
    connect(openPanel_, &SettingsPicker::activated, this,
            [this](int index) { choosePreset(&AppSettings::openPanelShortcut, index); });
    connect(copyCode_, &SettingsPicker::activated, this,
            [this](int index) { choosePreset(&AppSettings::copyCodeShortcut, index); });
    connect(reset_, &QPushButton::clicked, this, &BehaviorTab::resetShortcuts);
}

void BehaviorTab::buildList() {
    list_ = addSection();
    showTrash_ = named(new SettingsToggleRow, objectnames::settings::showTrashToggle);
    codeFormat_ =
        named(new SettingsPicker(SettingsPickerStyle::segmented, true), objectnames::settings::codeFormatPicker);
    list_->addWidget(showTrash_);
    list_->addWidget(codeFormat_);
    connect(showTrash_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { writeSetting(&AppSettings::showTrashedTokens, on); });
    connect(codeFormat_, &SettingsPicker::activated, this, [this](int index) {
        if (const auto chosen = SettingsPicker::option<CodeFormat>(index))
            writeSetting(&AppSettings::codeFormat, *chosen);
    });
}

void BehaviorTab::choosePreset(KeyboardShortcut AppSettings::*field, int index) {
    if (const auto preset = SettingsPicker::option<KeyboardShortcutPreset>(index)) {
        writeSetting(field, shortcut(*preset));
    }
}

void BehaviorTab::resetShortcuts() {
    // Two writes, the open-panel shortcut first: each is saved and registered on its own.
    writeSetting(&AppSettings::openPanelShortcut, shortcut(KeyboardShortcutPreset::optionCommandSpace));
    writeSetting(&AppSettings::copyCodeShortcut, shortcut(KeyboardShortcutPreset::optionCommandC));
}

void BehaviorTab::refresh() {
    refreshTexts();
    refreshValues();
}

void BehaviorTab::refreshTexts() {
    header()->setTexts(text("Behavior", "Поведение"),
                       text("Control list order, row actions, and how codes are displayed.",
                            "Управление отображением списков и кодов."));
    copy_->setTitle(text("Copy", "Копирование"));
    copyOnClick_->setLabel(text("Copy code on click", "Копировать код по клику"));
    closeAfterCopy_->setLabel(text("Close menu after copy", "Закрывать меню после копирования"));

    shortcuts_->setTitle(text("Keyboard Shortcuts", "Горячие клавиши"));
    shortcutsNote_->setTextIfChanged(text("Global shortcuts work while the app is running in an X11 session.",
                                          "Глобальные клавиши работают, пока приложение запущено в сеансе X11."));
    openPanel_->setTitle(text("Open main panel", "Открыть главную панель"));
    openPanel_->setOptions<KeyboardShortcutPreset>(language());
    copyCode_->setTitle(text("Copy quick-access code", "Скопировать код для быстрого доступа"));
    copyCode_->setOptions<KeyboardShortcutPreset>(language());
    conflict_->setText(text("Shortcut conflict: both actions use the same combination. Choose different shortcuts.",
                            "Конфликт горячих клавиш: выберите другие."));
    reset_->setLabel(text("Reset shortcuts", "Сбросить горячие клавиши"));

    list_->setTitle(text("List", "Список"));
    showTrash_->setLabel(text("Show trashed tokens", "Показывать удаленные токены"));
    codeFormat_->setTitle(text("Code format", "Формат кода"));
    codeFormat_->setOptions<CodeFormat>(language());
}

void BehaviorTab::refreshValues() {
    const AppSettings& settings = viewModel().settings();
    copyOnClick_->setValue(settings.copyCodeOnClick);
    closeAfterCopy_->setValue(settings.closeMenuAfterCopy);
    // A stored shortcut that matches no preset shows as disabled and stays as stored.
    openPanel_->setSelection(presetFor(settings.openPanelShortcut));
    copyCode_->setSelection(presetFor(settings.copyCodeShortcut));
    conflict_->setVisible(shortcutsConflict(settings));
    showTrash_->setValue(settings.showTrashedTokens);
    codeFormat_->setSelection(settings.codeFormat);
}

}  // namespace quorbit
