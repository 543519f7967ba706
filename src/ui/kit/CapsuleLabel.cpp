#include "ui/kit/CapsuleLabel.h"

#include <QPainter>

#include "ui/kit/Palette.h"

namespace quorbit {

CapsuleLabel::CapsuleLabel(const QFont& font, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFont(font);
    setContentsMargins(8, 4, 8, 4);
}

void CapsuleLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::withAlpha(Palette(palette()).secondaryText(), 0.14));
        const qreal radius = height() / 2.0;
        painter.drawRoundedRect(QRectF(rect()), radius, radius);
    }
    QLabel::paintEvent(event);
}

}  // namespace quorbit
