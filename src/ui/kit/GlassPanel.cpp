#include "ui/kit/GlassPanel.h"

#include <QPainter>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/Palette.h"

namespace quorbit {

GlassPanel::GlassPanel(qreal cornerRadius, QWidget* parent) : QWidget(parent), cornerRadius_(cornerRadius) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void GlassPanel::paint(QPainter& painter, const QRectF& rect, qreal cornerRadius, const QPalette& palette) {
    const Palette colors(palette);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Half a pixel in, so the hairline falls on whole pixels.
    const QRectF shape = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(colors.glassBorder(), 1));
    painter.setBrush(colors.glassFill());
    painter.drawPath(ContinuousRoundedRect::path(shape, cornerRadius));
    painter.restore();
}

void GlassPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect(), cornerRadius_, palette());
}

}  // namespace quorbit
