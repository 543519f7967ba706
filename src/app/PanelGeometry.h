#pragma once

#include <QRect>

namespace quorbit {

// Where the floating panel goes on a screen whose usable area is `available`: in its top-right
// corner, 14 px from the edges, shrunk to fit (never below 240 x 360, never larger than
// `current`), and kept on the screen. An empty area leaves `current` as it is.
QRect panelGeometry(const QRect& available, const QRect& current);

}  // namespace quorbit
