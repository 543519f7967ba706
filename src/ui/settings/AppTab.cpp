#include "ui/settings/AppTab.h"

#include <QPointer>

#include "ui/ObjectNames.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsPicker.h"
#include "ui/kit/SettingsSection.h"
#include "ui/kit/SettingsToggleRow.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

AppTab::AppTab(QuorbitViewModel& viewModel, QWidget* parent)
    : SettingsPage(viewModel, objectnames::settings::appPage, parent), startup_(addSection()),
      launchAtLogin_(named(new SettingsToggleRow, objectnames::settings::launchAtLoginToggle)),
      appearance_(addSection()),
      theme_(named(new SettingsPicker(SettingsPickerStyle::segmented, true), objectnames::settings::themePicker)) {
    startup_->addWidget(launchAtLogin_);
    appearance_->addWidget(theme_);
    connect(launchAtLogin_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { (void)changeLaunchAtLogin(on); });
    connect(theme_, &SettingsPicker::activated, this, [this](int index) {
        if (const auto chosen = SettingsPicker::option<AppTheme>(index)) writeSetting(&AppSettings::theme, *chosen);
    });
    follow();
}

QCoro::Task<> AppTab::changeLaunchAtLogin(bool enabled) {
    // The toggle writes nothing: it shows what the system reports once the change is done,
    // also when that is what was stored before.
    const QPointer<AppTab> self(this);
    co_await viewModel().setLaunchAtLogin(enabled);
    if (self) self->refresh();
}

void AppTab::refresh() {
    header()->setTexts(text("App", "Приложение"),
                       text("System integration and presentation settings.", "Системная интеграция."));
    startup_->setTitle(text("Startup", "Запуск"));
    launchAtLogin_->setLabel(text("Launch at login", "Запускать при входе"));
    launchAtLogin_->setValue(viewModel().settings().launchAtLogin);
    appearance_->setTitle(text("Appearance", "Внешний вид"));
    theme_->setTitle(text("Theme", "Тема"));
    theme_->setOptions<AppTheme>(language());
    theme_->setSelection(viewModel().settings().theme);
}

}  // namespace quorbit
