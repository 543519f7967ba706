#pragma once

#include <memory>
#include <vector>

#include <QLocale>
#include <QTest>

#include "ui/ObjectNames.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/viewmodel/ViewModelFixture.h"
#include "ui/windows/AboutView.h"

namespace quorbit::test {

// The settings window over a view model of fakes, shown offscreen, in English with US digit
// grouping. Every distinct settings value the view model publishes is recorded as one write.
class SettingsWindowFixture : public ViewModelFixture {
protected:
    SettingsWindowFixture() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    SettingsWindow& open(AppSettings stored = english()) {
        settingsStore.saveSettings(stored);
        QuorbitViewModel& vm = makeViewModel();
        QObject::connect(&vm, &QuorbitViewModel::settingsChanged, [this] {
            if (writes.empty() || !(writes.back() == viewModel->settings())) writes.push_back(viewModel->settings());
        });
        writes.push_back(vm.settings());
        window = std::make_unique<SettingsWindow>(vm, new AboutView(vm));
        window->show();
        return *window;
    }

    static AppSettings english() {
        AppSettings settings;
        settings.language = AppLanguage::english;
        return settings;
    }

    template <typename T>
    T* find(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // A widget of one page, where names repeat from page to page.
    template <typename T>
    T* findOn(const char* page, const char* name) const {
        T* widget = find<QWidget>(page)->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << page << " " << name;
        return widget;
    }
    void showTab(const char* tabButton) const { QTest::mouseClick(find<QWidget>(tabButton), Qt::LeftButton); }

    // Settings values published since the window opened, the first being the one it opened on.
    std::vector<AppSettings> writes;
    std::unique_ptr<SettingsWindow> window;
};

}  // namespace quorbit::test
