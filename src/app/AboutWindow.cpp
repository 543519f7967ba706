#include "app/AboutWindow.h"

#include <QVBoxLayout>

#include "app/WindowCentring.h"
#include "ui/ObjectNames.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/windows/AboutView.h"

namespace quorbit {

AboutWindow::AboutWindow(QuorbitViewModel& viewModel, QWidget* parent) : QWidget(parent), viewModel_(viewModel) {
    setObjectName(objectnames::app::aboutWindow);
    // Above the always-on-top panel, which would otherwise cover it.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setMinimumSize(560, 560);
    resize(620, 680);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addWidget(new AboutView(viewModel_, this));
}

void AboutWindow::showCentred() {
    const bool russian = viewModel_.settings().language == AppLanguage::russian;
    setWindowTitle(russian ? QStringLiteral("О программе") : QStringLiteral("About"));
    centreOnScreen(*this, screen());
    show();
    raise();
    activateWindow();
}

}  // namespace quorbit
