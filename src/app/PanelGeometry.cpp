#include "app/PanelGeometry.h"

#include <algorithm>

namespace quorbit {
namespace {

constexpr int inset = 14;
constexpr int minimumWidth = 240;
constexpr int minimumHeight = 360;

// The panel's start on one axis of the area [start, end): the inset from the near side comes
// first; a panel too large for the area keeps its near edge on the screen.
int placeOnAxis(int start, int end, int size, bool nearEnd) {
    if (nearEnd) return std::min(std::max(end - size - inset, start + inset), end - size);
    return std::max(std::min(start + inset, end - size - inset), start);
}

}  // namespace

Qt::Corner nearestCorner(const QRect& available, const QPoint& point) {
    const QPoint centre = available.topLeft() + QPoint(available.width() / 2, available.height() / 2);
    const bool right = point.x() >= centre.x();
    const bool bottom = point.y() > centre.y();
    if (bottom) return right ? Qt::BottomRightCorner : Qt::BottomLeftCorner;
    return right ? Qt::TopRightCorner : Qt::TopLeftCorner;
}

QRect panelGeometry(const QRect& available, const QRect& current, Qt::Corner corner) {
    if (available.isEmpty()) return current;
    const int width = std::min(current.width(), std::max(available.width() - 2 * inset, minimumWidth));
    const int height = std::min(current.height(), std::max(available.height() - 2 * inset, minimumHeight));
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    const int x = placeOnAxis(available.x(), available.x() + available.width(), width, right);
    const int y = placeOnAxis(available.y(), available.y() + available.height(), height, bottom);
    return {x, y, width, height};
}

}  // namespace quorbit
