#include "ui/settings/SettingsWindow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/Divider.h"
#include "ui/kit/LocalizedText.h"
#include "ui/settings/AppTab.h"
#include "ui/settings/BehaviorTab.h"
#include "ui/settings/ImportExportTab.h"
#include "ui/settings/LanguageTab.h"
#include "ui/settings/SecurityTab.h"
#include "ui/settings/SettingsTabButton.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

struct TabLook {
    const char* objectName;
    const char* symbol;
    const char* english;
    const char* russian;
};

constexpr std::array<TabLook, 6> tabLooks{{
    {objectnames::settings::languageTabButton, "globe", "Language", "Язык"},
    {objectnames::settings::securityTabButton, "lock.shield", "Security", "Безопасность"},
    {objectnames::settings::importExportTabButton, "square.and.arrow.up.on.square", "Import / Export",
     "Импорт / Экспорт"},
    {objectnames::settings::behaviorTabButton, "cursorarrow.click", "Behavior", "Поведение"},
    {objectnames::settings::appTabButton, "macwindow", "App", "Приложение"},
    {objectnames::settings::aboutTabButton, "info.circle", "About", "О программе"},
}};

}  // namespace

SettingsWindow::SettingsWindow(QuorbitViewModel& viewModel, QWidget* aboutPage, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel), tabGroup_(new QButtonGroup(this)), pages_(new QStackedWidget) {
    setObjectName(QLatin1String(objectnames::settings::window));
    setMinimumSize(minimumWindowSize);
    resize(idealWindowSize);

    pages_->addWidget(new LanguageTab(viewModel));
    pages_->addWidget(new SecurityTab(viewModel));
    pages_->addWidget(new ImportExportTab(viewModel));
    pages_->addWidget(new BehaviorTab(viewModel));
    pages_->addWidget(new AppTab(viewModel));
    aboutPage->setObjectName(QLatin1String(objectnames::settings::aboutPage));
    pages_->addWidget(aboutPage);

    auto* pageFrame = new QVBoxLayout;
    pageFrame->setContentsMargins(20, 12, 20, 20);
    pageFrame->addWidget(pages_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTabBar());
    layout->addWidget(new Divider);
    layout->addLayout(pageFrame, 1);

    connect(tabGroup_, &QButtonGroup::idClicked, pages_, &QStackedWidget::setCurrentIndex);
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &SettingsWindow::relabel);
    showTab(0);
    relabel();
}

QWidget* SettingsWindow::buildTabBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QLatin1String(objectnames::settings::tabBar));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 8, 6, 6);
    layout->setSpacing(0);
    layout->addStretch(1);
    for (int i = 0; i < tabCount; ++i) {
        auto* tab = new SettingsTabButton(QLatin1String(tabLooks[std::size_t(i)].symbol));
        tab->setObjectName(QLatin1String(tabLooks[std::size_t(i)].objectName));
        tabGroup_->addButton(tab, i);
        layout->addWidget(tab);
        tabs_[std::size_t(i)] = tab;
    }
    layout->addStretch(1);
    return bar;
}

int SettingsWindow::currentTab() const { return pages_->currentIndex(); }

void SettingsWindow::showTab(int index) {
    if (index < 0 || index >= tabCount) return;
    tabs_[std::size_t(index)]->setChecked(true);
    pages_->setCurrentIndex(index);
}

void SettingsWindow::relabel() {
    const AppLanguage language = viewModel_.settings().language;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->setLabel(localized(language, tabLooks[i].english, tabLooks[i].russian));
    }
    const QString title = localized(language, "Settings", "Настройки");
    if (windowTitle() != title) setWindowTitle(title);
}

}  // namespace quorbit
