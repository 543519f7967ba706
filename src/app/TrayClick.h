#pragma once

#include <QSystemTrayIcon>

namespace quorbit {

// What a click on the tray item does. The right button's menu is the tray's own; a double
// click arrives after its first click has already toggled, so it does nothing more.
enum class TrayClick { togglePanel, nothing };

TrayClick trayClick(QSystemTrayIcon::ActivationReason reason);

}  // namespace quorbit
