#include "ui/kit/CountdownRing.h"

#include <QPainter>

#include <algorithm>

#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"

namespace quorbit {
namespace {

constexpr qreal lineWidth = 3;
constexpr int warningSeconds = 5;

QRectF circleIn(const QRectF& frame) {
    const qreal diameter = std::min(frame.width(), frame.height()) - lineWidth;
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(frame.center());
    return circle;
}

}  // namespace

double CountdownRing::progress() const {
    if (total_ < 1) return 0;
    return std::min(1.0, double(std::max<std::int64_t>(value_, 0)) / double(total_));
}

QString CountdownRing::text() const { return QString::number(qint64(std::max<std::int64_t>(value_, 0))); }

QColor CountdownRing::color(const Palette& colors) const {
    return value_ > warningSeconds ? colors.accent() : colors.orange();
}

void CountdownRing::paint(QPainter& painter, const QRectF& frame, const Palette& colors) const {
    paintTrack(painter, frame, colors);
    paintProgress(painter, frame, colors);
}

void CountdownRing::paintTrack(QPainter& painter, const QRectF& frame, const Palette& colors) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::withAlpha(colors.secondaryText(), 0.18), lineWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawEllipse(circleIn(frame));
    painter.restore();
}

void CountdownRing::paintProgress(QPainter& painter, const QRectF& frame, const Palette& colors) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double shown = progress();
    if (shown > 0) {
        painter.setPen(QPen(color(colors), lineWidth, Qt::SolidLine, Qt::RoundCap));
        // Qt counts angles anticlockwise from 3 o'clock in 1/16 degree: start at 12, run clockwise.
        painter.drawArc(circleIn(frame), 90 * 16, -int(shown * 360 * 16));
    }
    painter.setFont(Typography::rounded(9, QFont::DemiBold));
    painter.setPen(colors.secondaryText());
    painter.drawText(frame, Qt::AlignCenter | Qt::TextSingleLine, text());
    painter.restore();
}

}  // namespace quorbit
