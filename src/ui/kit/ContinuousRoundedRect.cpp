#include "ui/kit/ContinuousRoundedRect.h"

#include <algorithm>

namespace quorbit {

QPainterPath ContinuousRoundedRect::path(const QRectF& rect, qreal radius) {
    QPainterPath path;
    if (rect.isEmpty()) return path;
    // The curve starts 1.28 r from the corner; control points at 0.355 r put its middle where
    // a circular arc of radius r would be.
    const qreal reach = std::min({radius * 1.28, rect.width() / 2, rect.height() / 2});
    if (reach <= 0) {
        path.addRect(rect);
        return path;
    }
    const qreal control = reach * (0.355 / 1.28);
    const qreal l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    path.moveTo(l + reach, t);
    path.lineTo(r - reach, t);
    path.cubicTo(r - control, t, r, t + control, r, t + reach);
    path.lineTo(r, b - reach);
    path.cubicTo(r, b - control, r - control, b, r - reach, b);
    path.lineTo(l + reach, b);
    path.cubicTo(l + control, b, l, b - control, l, b - reach);
    path.lineTo(l, t + reach);
    path.cubicTo(l, t + control, l + control, t, l + reach, t);
    path.closeSubpath();
    return path;
}

}  // namespace quorbit
