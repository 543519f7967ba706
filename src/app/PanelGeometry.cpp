#include "app/PanelGeometry.h"

#include <algorithm>

namespace quorbit {
namespace {

constexpr int inset = 14;
constexpr int minimumWidth = 240;
constexpr int minimumHeight = 360;

}  // namespace

QRect panelGeometry(const QRect& available, const QRect& current) {
    if (available.isEmpty()) return current;
    const int width = std::min(current.width(), std::max(available.width() - 2 * inset, minimumWidth));
    const int height = std::min(current.height(), std::max(available.height() - 2 * inset, minimumHeight));
    const int right = available.x() + available.width();
    const int bottom = available.y() + available.height();
    // The inset from the top and right comes first; a panel too large for the area keeps its
    // top-left corner on the screen.
    const int x = std::min(std::max(right - width - inset, available.x() + inset), right - width);
    const int y = std::max(std::min(available.y() + inset, bottom - height - inset), available.y());
    return {x, y, width, height};
}

}  // namespace quorbit
