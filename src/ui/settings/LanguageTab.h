#pragma once

#include "ui/settings/SettingsPage.h"

namespace quorbit {

class SettingsPicker;
class SettingsSection;

// The interface language.
class LanguageTab : public SettingsPage {
    Q_OBJECT
public:
    explicit LanguageTab(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

protected:
    void refresh() override;

private:
    void choose(int index);

    SettingsSection* section_;
    SettingsPicker* picker_;
};

}  // namespace quorbit
