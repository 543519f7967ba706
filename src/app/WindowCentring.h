#pragma once

class QScreen;
class QWidget;

namespace quorbit {

// Moves a top-level window to the middle of the usable area of `screen` (the primary screen
// when none is given). Without a window manager nothing else would, and the window would sit
// in the screen's top-left corner.
void centreOnScreen(QWidget& window, const QScreen* screen = nullptr);

}  // namespace quorbit
