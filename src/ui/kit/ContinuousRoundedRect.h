#pragma once

#include <QPainterPath>
#include <QRectF>

namespace quorbit {

// A rounded rectangle whose corners ease into the straight edges instead of meeting them as
// quarter circles; the corner bulges about as far as a circular one of the same radius.
class ContinuousRoundedRect {
public:
    static QPainterPath path(const QRectF& rect, qreal radius);
};

}  // namespace quorbit
