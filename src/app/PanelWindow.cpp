#include "app/PanelWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "config/AppIdentity.h"
#include "infrastructure/desktop/EwmhWindowState.h"
#include "ui/ObjectNames.h"

namespace quorbit {

PanelWindow::PanelWindow(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(objectnames::app::panelWindow);
    setWindowTitle(
        QString::fromUtf8(AppIdentity::productName.data(), static_cast<qsizetype>(AppIdentity::productName.size())));
    if (kind_ == Kind::floating) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        winId();
        desktopState_ = new EwmhWindowState(*windowHandle(), this);
    } else {
        setWindowFlags(Qt::Window);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    resize(panelSize);
}

void PanelWindow::setContent(QWidget* content) {
    delete content_;
    content_ = content;
    layout()->addWidget(content_);
}

bool PanelWindow::isShownOnCurrentDesktop() const {
    return desktopState_ != nullptr ? desktopState_->isShownOnCurrentDesktop() : isVisible();
}

void PanelWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && kind_ == Kind::floating) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

// An accepted close only hides the window, so the floating panel stays for the tray to bring
// back; refusing it would also refuse the application's quit, which closes every window first.
void PanelWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (kind_ == Kind::ordinary) emit closedByUser();
}

// Frameless, so the background is where the panel is dragged from.
void PanelWindow::mousePressEvent(QMouseEvent* event) {
    if (kind_ == Kind::floating && event->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace quorbit
