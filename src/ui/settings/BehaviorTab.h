#pragma once

#include "ui/settings/SettingsPage.h"

namespace quorbit {

class SettingsPicker;
class SettingsSection;
class SettingsToggleRow;
class StyledLabel;
class SymbolButton;
class WarningLabel;

// What a click on an account does, the two global shortcuts and how the list shows codes.
class BehaviorTab : public SettingsPage {
    Q_OBJECT
public:
    explicit BehaviorTab(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    // Both shortcuts on and on the same key with the same modifiers, in any order.
    static bool shortcutsConflict(const AppSettings& settings);

protected:
    void refresh() override;

private:
    void buildCopy();
    void buildShortcuts();
    void buildList();
    void choosePreset(KeyboardShortcut AppSettings::*field, int index);
    void resetShortcuts();
    void refreshTexts();
    void refreshValues();

    SettingsSection* copy_;
    SettingsToggleRow* copyOnClick_;
    SettingsToggleRow* closeAfterCopy_;
    SettingsSection* shortcuts_;
    StyledLabel* shortcutsNote_;
    SettingsPicker* openPanel_;
    SettingsPicker* copyCode_;
    WarningLabel* conflict_;
    SymbolButton* reset_;
    SettingsSection* list_;
    SettingsToggleRow* showTrash_;
    SettingsPicker* codeFormat_;
};

}  // namespace quorbit
