#pragma once

#include <utility>

#include <QString>

#include "application/settings/AppSettings.h"
#include "domain/AppLanguage.h"
#include "ui/kit/SettingsScrollView.h"

namespace quorbit {

class QuorbitViewModel;
class SettingsHeader;
class SettingsSection;
class StyledLabel;

// A tab of the settings window: a scrolling page that follows the view model. Its texts are
// picked in the current language and its controls show the current settings on every
// change; the status line shows the view model's status message.
class SettingsPage : public SettingsScrollView {
    Q_OBJECT
public:
    SettingsPage(QuorbitViewModel& viewModel, const char* objectName, QWidget* parent = nullptr);

protected:
    template <typename T>
    static T* named(T* widget, const char* objectName) {
        widget->setObjectName(QLatin1String(objectName));
        return widget;
    }
    // A note under a control: wrapping caption text in the secondary colour.
    static StyledLabel* makeNote();

    QuorbitViewModel& viewModel() const { return viewModel_; }
    AppLanguage language() const;
    QString text(const char* english, const char* russian) const;
    SettingsHeader* header() const { return header_; }
    SettingsSection* addSection();
    // One settings write with one field changed, as the user chose it.
    template <typename T>
    void writeSetting(T AppSettings::*field, T value) {
        AppSettings changed = currentSettings();
        changed.*field = std::move(value);
        storeSettings(changed);
    }
    // Texts and values from the view model; diff-updates only, never writes back.
    virtual void refresh() = 0;
    // Derived pages call this once their widgets exist.
    void follow();

private:
    const AppSettings& currentSettings() const;
    void storeSettings(const AppSettings& settings);

    QuorbitViewModel& viewModel_;
    SettingsHeader* header_;
};

}  // namespace quorbit
