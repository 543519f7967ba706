#include "ui/platform/DialogParent.h"

#include <QApplication>
#include <QWidget>

namespace quorbit {

QWidget* dialogParent() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    QWidget* visible = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup) continue;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return window;
        if (!visible) visible = window;
    }
    return visible;
}

}  // namespace quorbit
