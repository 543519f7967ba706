#include "ui/windows/WidgetWindowHolder.h"

#include <utility>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace quorbit {
namespace {

void centreOnScreen(QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    window.move(available.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace

WidgetWindowHolder::WidgetWindowHolder(std::function<QWidget*()> build, std::function<void()> onBuilt)
    : build_(std::move(build)), onBuilt_(std::move(onBuilt)) {}

WidgetWindowHolder::~WidgetWindowHolder() { release(); }

void WidgetWindowHolder::show() {
    if (window_ && window_->isVisible()) {
        window_->raise();
        window_->activateWindow();
        return;
    }
    release();
    window_ = build_();
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->setWindowFlag(Qt::WindowStaysOnTopHint);
    centreOnScreen(*window_);
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (onBuilt_) onBuilt_();
}

void WidgetWindowHolder::close() {
    if (window_) window_->close();
}

// The window may be the caller of whatever released it (a completion it delivered).
void WidgetWindowHolder::release() {
    if (!window_) return;
    window_->hide();
    window_->deleteLater();
    window_ = nullptr;
}

}  // namespace quorbit
