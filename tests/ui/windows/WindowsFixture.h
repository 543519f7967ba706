#pragma once

#include <QApplication>
#include <QTest>

#include "ui/panel/PanelFixture.h"
#include "ui/windows/WidgetWindowFactory.h"

namespace quorbit::test {

// The auxiliary windows over a view model with fakes, unlocked, with the real window factory
// behind its window ports.
class WindowsFixture : public PanelFixture {
protected:
    WindowsFixture() { windowFactory = &realWindows; }

    QuorbitViewModel& model(AppLanguage language = AppLanguage::english) {
        AppSettings settings;
        settings.language = language;
        return makeModel(settings, true);
    }

    template <typename T>
    static T* child(const QWidget& root, const char* name) {
        return root.findChild<T*>(QString::fromLatin1(name));
    }

    WidgetWindowFactory realWindows;
};

}  // namespace quorbit::test
