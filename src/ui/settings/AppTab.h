#pragma once

#include <qcoro/qcorotask.h>

#include "ui/settings/SettingsPage.h"

namespace quorbit {

class SettingsPicker;
class SettingsSection;
class SettingsToggleRow;

// Launch at login and the colour theme.
class AppTab : public SettingsPage {
    Q_OBJECT
public:
    explicit AppTab(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

protected:
    void refresh() override;

private:
    QCoro::Task<> changeLaunchAtLogin(bool enabled);

    SettingsSection* startup_;
    SettingsToggleRow* launchAtLogin_;
    SettingsSection* appearance_;
    SettingsPicker* theme_;
};

}  // namespace quorbit
