#include "app/SettingsWindowHost.h"

#include "app/WindowCentring.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/windows/AboutView.h"

namespace quorbit {

SettingsWindowHost::SettingsWindowHost(QuorbitViewModel& viewModel, QObject* parent)
    : QObject(parent), viewModel_(viewModel) {}

SettingsWindowHost::~SettingsWindowHost() { delete window_; }

void SettingsWindowHost::show() {
    if (!window_) window_ = makeWindow();
    if (!window_->isVisible()) centreOnScreen(*window_, window_->screen());
    window_->show();
    window_->raise();
    window_->activateWindow();
    (void)viewModel_.start();
}

QWidget* SettingsWindowHost::makeWindow() const {
    auto* window = new SettingsWindow(viewModel_, new AboutView(viewModel_));
    // Above the always-on-top panel, which would otherwise cover it.
    window->setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    return window;
}

}  // namespace quorbit
