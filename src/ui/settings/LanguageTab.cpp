#include "ui/settings/LanguageTab.h"

#include "ui/ObjectNames.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsPicker.h"
#include "ui/kit/SettingsSection.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

LanguageTab::LanguageTab(QuorbitViewModel& viewModel, QWidget* parent)
    : SettingsPage(viewModel, objectnames::settings::languagePage, parent), section_(addSection()),
      picker_(new SettingsPicker(SettingsPickerStyle::segmented, false)) {
    picker_->setObjectName(QLatin1String(objectnames::settings::languagePicker));
    section_->addWidget(picker_);
    connect(picker_, &SettingsPicker::activated, this, &LanguageTab::choose);
    follow();
}

void LanguageTab::refresh() {
    header()->setTexts(text("Language", "Язык"),
                       text("Choose the interface language used by Quorbit.", "Выберите язык интерфейса Quorbit."));
    section_->setTitle(text("Interface language", "Язык интерфейса"));
    picker_->setTitle(text("Interface language", "Язык интерфейса"));
    picker_->setOptions<AppLanguage>(language());
    picker_->setSelection(language());
}

void LanguageTab::choose(int index) {
    const std::optional<AppLanguage> chosen = SettingsPicker::option<AppLanguage>(index);
    if (!chosen) return;
    writeSetting(&AppSettings::language, *chosen);
}

}  // namespace quorbit
