#include "app/SettingsWindowHost.h"

#include <QVBoxLayout>
#include <QWidget>

#include "app/PlaceholderView.h"
#include "ui/ObjectNames.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

SettingsWindowHost::SettingsWindowHost(QuorbitViewModel& viewModel, QObject* parent)
    : QObject(parent), viewModel_(viewModel) {}

SettingsWindowHost::~SettingsWindowHost() { delete window_; }

void SettingsWindowHost::show() {
    if (!window_) window_ = makeWindow();
    window_->show();
    window_->raise();
    window_->activateWindow();
    (void)viewModel_.start();
}

QWidget* SettingsWindowHost::makeWindow() const {
    auto* window = new QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    window->setObjectName(objectnames::app::settingsWindow);
    const bool russian = viewModel_.settings().language == AppLanguage::russian;
    window->setWindowTitle(russian ? QStringLiteral("Настройки Quorbit") : QStringLiteral("Quorbit Settings"));
    window->setMinimumSize(520, 680);
    window->resize(520, 760);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(new PlaceholderView(window->windowTitle(), window));
    return window;
}

}  // namespace quorbit
