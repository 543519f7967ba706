#include "app/WindowCentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorbit {

void centreOnScreen(QWidget& window, const QScreen* screen) {
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.geometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.setGeometry(frame);
}

}  // namespace quorbit
