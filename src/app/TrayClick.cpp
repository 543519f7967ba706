#include "app/TrayClick.h"

namespace quorbit {

TrayClick trayClick(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::DoubleClick: return TrayClick::nothing;
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown: break;
    }
    return TrayClick::togglePanel;
}

}  // namespace quorbit
