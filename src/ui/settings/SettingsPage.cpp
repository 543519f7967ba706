#include "ui/settings/SettingsPage.h"

#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsSection.h"
#include "ui/kit/StyledLabel.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

SettingsPage::SettingsPage(QuorbitViewModel& viewModel, const char* objectName, QWidget* parent)
    : SettingsScrollView(parent), viewModel_(viewModel), header_(new SettingsHeader) {
    setObjectName(QLatin1String(objectName));
    header_->setObjectName(QLatin1String(objectnames::settings::header));
    statusLabel()->setObjectName(QLatin1String(objectnames::settings::statusLine));
    addBlock(header_);
}

StyledLabel* SettingsPage::makeNote() {
    auto* label = new StyledLabel(TextStyle::caption, StyledLabel::Tone::secondary);
    label->setWordWrap(true);
    return label;
}

AppLanguage SettingsPage::language() const { return viewModel_.settings().language; }

QString SettingsPage::text(const char* english, const char* russian) const {
    return localized(language(), english, russian);
}

const AppSettings& SettingsPage::currentSettings() const { return viewModel_.settings(); }

void SettingsPage::storeSettings(const AppSettings& settings) { viewModel_.setSettings(settings); }

SettingsSection* SettingsPage::addSection() {
    auto* section = new SettingsSection;
    addBlock(section);
    return section;
}

void SettingsPage::follow() {
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, [this] { refresh(); });
    connect(&viewModel_, &QuorbitViewModel::statusMessageChanged, this,
            [this] { setStatus(viewModel_.statusMessage()); });
    refresh();
    setStatus(viewModel_.statusMessage());
}

}  // namespace quorbit
