#include "ui/windows/WalletBrandIcon.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

constexpr qreal tileRadius = 8;
constexpr qreal padding = 4;

}  // namespace

WalletBrandIcon::WalletBrandIcon(const QString& logoFileName, const QColor& accent, QWidget* parent)
    : QWidget(parent), logoPath_(QStringLiteral(":/wallets/") + logoFileName), accent_(accent),
      hasLogo_(QSvgRenderer(logoPath_).isValid()) {
    setFixedSize(side, side);
    setAttribute(Qt::WA_TranslucentBackground);
}

void WalletBrandIcon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath shape = ContinuousRoundedRect::path(tile, tileRadius);
    painter.fillPath(shape, Qt::white);
    painter.setPen(QPen(Palette::withAlpha(accent_, 0.35), 1));
    painter.drawPath(shape);
    const QRectF inner = tile.adjusted(padding, padding, -padding, -padding);
    if (hasLogo_) {
        QSvgRenderer(logoPath_).render(&painter, inner);
    } else {
        // The tile is white in both themes, so the symbol takes the light theme's secondary grey.
        IconFactory::paint(painter, inner, QStringLiteral("bitcoinsign.circle"), QColor(0, 0, 0, 140));
    }
}

}  // namespace quorbit
