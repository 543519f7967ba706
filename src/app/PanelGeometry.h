#pragma once

#include <QPoint>
#include <QRect>

namespace quorbit {

// The corner of the usable area `available` nearest to `point` (the tray icon or the pointer);
// a point on a middle line counts as top or right.
Qt::Corner nearestCorner(const QRect& available, const QPoint& point);

// Where the floating panel goes on a screen whose usable area is `available`: in `corner`,
// 14 px from the edges, shrunk to fit (never below 240 x 360, never larger than `current`),
// and kept on the screen. An empty area leaves `current` as it is.
QRect panelGeometry(const QRect& available, const QRect& current, Qt::Corner corner);

}  // namespace quorbit
