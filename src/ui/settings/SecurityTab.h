#pragma once

#include <cstdint>

#include "ui/settings/SettingsPage.h"

namespace quorbit {

class ProminentButton;
class SettingsNumberField;
class SettingsPicker;
class SettingsSection;
class SettingsToggleRow;
class StyledLabel;
class SymbolButton;
class WarningLabel;

// Vault locking, the key derivation of new backups, the doors to the security windows, the
// introduction again and locking at once.
class SecurityTab : public SettingsPage {
    Q_OBJECT
public:
    explicit SecurityTab(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

protected:
    void refresh() override;

private:
    void buildVault();
    void buildBackupEncryption();
    void buildSecurityCenter();
    void refreshTexts();
    void refreshValues();
    void enterSaltBytes(std::int64_t bytes);

    SettingsSection* vault_;
    SettingsPicker* autoLock_;
    SettingsToggleRow* lockOnSleep_;
    SettingsToggleRow* requireUnlock_;
    SettingsToggleRow* hideCodes_;
    SymbolButton* showIntroduction_;
    SettingsSection* encryption_;
    StyledLabel* iterationsLabel_;
    SettingsNumberField* iterations_;
    WarningLabel* iterationsWarning_;
    StyledLabel* iterationsNote_;
    StyledLabel* saltLabel_;
    SettingsNumberField* salt_;
    StyledLabel* saltNote_;
    SettingsSection* center_;
    StyledLabel* centerNote_;
    SymbolButton* securityCenter_;
    SymbolButton* securityLog_;
    SymbolButton* dataLifecycle_;
    ProminentButton* lockNow_;
};

}  // namespace quorbit
