#include <memory>

#include <QApplication>
#include <QScrollArea>
#include <QStackedWidget>

#include "screens/ScreenRegistry.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/viewmodel/ViewModelFixture.h"
#include "ui/windows/AboutView.h"

namespace quorbit::screens {
namespace {

// The fakes behind the view model of one picture; they live as long as the window.
class SampleViewModel final : public test::ViewModelFixture {
public:
    explicit SampleViewModel(const ScreenContext& context) {
        clock.set(context.now);
        settingsStore.saveSettings(context.settings);
        made = &makeViewModel();
    }
    void TestBody() override {}

    QuorbitViewModel* made = nullptr;
};

// The window at its ideal size, taller where the page would scroll, so the picture shows the
// whole page down to its status line.
void showWholePage(SettingsWindow& window) {
    window.resize(SettingsWindow::idealWindowSize);
    window.show();
    QApplication::processEvents();
    auto* page = qobject_cast<QScrollArea*>(window.findChild<QStackedWidget*>()->currentWidget());
    if (!page) return;
    const QWidget* content = page->widget();
    const int width = page->width();
    const int needed = content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height();
    const int overflow = needed - page->height() + 24;  // room for a line that wraps once the scroll bar goes
    if (overflow > 0) window.resize(SettingsWindow::idealWindowSize + QSize(0, overflow));
}

std::unique_ptr<QWidget> settingsWindow(const ScreenContext& context, int tab,
                                        const std::function<void(QuorbitViewModel&)>& prepare = {}) {
    auto fakes = std::make_shared<SampleViewModel>(context);
    QuorbitViewModel& viewModel = *fakes->made;
    if (prepare) prepare(viewModel);
    auto window = std::make_unique<SettingsWindow>(viewModel, new AboutView(viewModel));
    QObject::connect(window.get(), &QObject::destroyed, [fakes]() mutable { fakes.reset(); });
    window->showTab(tab);
    showWholePage(*window);
    return window;
}

const ScreenRegistration languageScreen("settings-language",
                                        [](const ScreenContext& context) { return settingsWindow(context, 0); });
const ScreenRegistration securityScreen("settings-security",
                                        [](const ScreenContext& context) { return settingsWindow(context, 1); });
const ScreenRegistration importExportScreen("settings-import-export",
                                            [](const ScreenContext& context) { return settingsWindow(context, 2); });
const ScreenRegistration behaviorScreen("settings-behavior",
                                        [](const ScreenContext& context) { return settingsWindow(context, 3); });
const ScreenRegistration appScreen("settings-app",
                                   [](const ScreenContext& context) { return settingsWindow(context, 4); });
const ScreenRegistration aboutTabScreen("settings-about",
                                        [](const ScreenContext& context) { return settingsWindow(context, 5); });

// The iteration warning after a low entry, and a status line long enough to wrap.
const ScreenRegistration securityWarningScreen("settings-security-warning", [](const ScreenContext& context) {
    return settingsWindow(context, 1, [&](QuorbitViewModel& viewModel) {
        viewModel.validatePBKDF2Iterations(50'000);
        viewModel.setStatusMessage(context.language == AppLanguage::russian
                                       ? QStringLiteral("Введение сброшено и будет показано снова. Оно откроется "
                                                        "при следующем открытии панели.")
                                       : QStringLiteral("Introduction has been reset and will open again. It opens "
                                                        "the next time the panel is shown."));
    });
});

// Both shortcuts on the same combination.
const ScreenRegistration behaviorConflictScreen("settings-behavior-conflict", [](const ScreenContext& context) {
    return settingsWindow(context, 3, [](QuorbitViewModel& viewModel) {
        AppSettings settings = viewModel.settings();
        settings.copyCodeShortcut = settings.openPanelShortcut;
        viewModel.setSettings(settings);
    });
});

}  // namespace
}  // namespace quorbit::screens
