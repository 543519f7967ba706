#include "ui/kit/HotpCounterBadge.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/FittedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"

namespace quorbit {
namespace {

constexpr qreal cornerRadius = 9;
constexpr qreal lineGap = 1;
constexpr qreal sideInset = 2;

}  // namespace

QString HotpCounterBadge::text() const { return QStringLiteral("#") + QString::number(qint64(counter_)); }

void HotpCounterBadge::paint(QPainter& painter, const QRectF& frame, const Palette& colors) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::withAlpha(colors.orange(), 0.12));
    painter.drawPath(ContinuousRoundedRect::path(frame, cornerRadius));

    const QFont label = Typography::rounded(7, QFont::Bold);
    const FittedText counter =
        FittedText::fit(text(), Typography::rounded(9, QFont::DemiBold), frame.width() - 2 * sideInset, 0.55);
    const qreal labelHeight = QFontMetricsF(label).height();
    const qreal counterHeight = QFontMetricsF(counter.font).height();
    const qreal top = frame.top() + (frame.height() - labelHeight - lineGap - counterHeight) / 2;
    painter.setPen(colors.orange());
    painter.setFont(label);
    painter.drawText(QRectF(frame.left(), top, frame.width(), labelHeight), Qt::AlignCenter, QStringLiteral("HOTP"));
    painter.setFont(counter.font);
    painter.drawText(QRectF(frame.left(), top + labelHeight + lineGap, frame.width(), counterHeight), Qt::AlignCenter,
                     counter.text);
    painter.restore();
}

}  // namespace quorbit
