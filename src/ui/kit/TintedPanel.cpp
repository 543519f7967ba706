#include "ui/kit/TintedPanel.h"

#include <QPainter>

#include "ui/kit/ContinuousRoundedRect.h"

namespace quorbit {

TintedPanel::TintedPanel(Palette::Tint tint, qreal alpha, qreal radius, QWidget* parent)
    : QWidget(parent), tint_(tint), alpha_(alpha), radius_(radius) {}

void TintedPanel::paint(QPainter& painter, const QRectF& rect, const QColor& fill, qreal radius) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(ContinuousRoundedRect::path(rect, radius));
}

void TintedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect(), Palette::withAlpha((Palette(palette()).*tint_)(), alpha_), radius_);
}

}  // namespace quorbit
