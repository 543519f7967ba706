#include "ui/kit/ProminentButton.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

constexpr int buttonHeight = 30;
constexpr int padding = 14;
constexpr int iconGap = 6;
constexpr qreal radius = 7;

}  // namespace

ProminentButton::ProminentButton(QWidget* parent) : QPushButton(parent) {
    setMinimumHeight(buttonHeight);
    setIconSize(QSize(14, 14));
    setAttribute(Qt::WA_Hover);
}

QSize ProminentButton::sizeHint() const {
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + iconGap;
    return QSize(fontMetrics().horizontalAdvance(text()) + iconWidth + 2 * padding, buttonHeight);
}

void ProminentButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Palette colors(palette());
    QColor fill = colors.accent();
    if (!isEnabled()) fill = Palette::withAlpha(colors.primaryText(), 0.12);
    else if (isDown()) fill = fill.darker(120);
    else if (underMouse()) fill = fill.lighter(108);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(ContinuousRoundedRect::path(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius));
    if (hasFocus()) {
        painter.setPen(QPen(Palette::withAlpha(colors.primaryText(), 0.5), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ContinuousRoundedRect::path(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), radius - 1));
    }

    const QColor ink = isEnabled() ? palette().color(QPalette::HighlightedText) : colors.tertiaryText();
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + iconGap;
    int x = (width() - textWidth - iconWidth) / 2;
    if (!icon().isNull()) {
        const QRect iconRect(x, (height() - iconSize().height()) / 2, iconSize().width(), iconSize().height());
        icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        x += iconWidth;
    }
    painter.setPen(ink);
    painter.drawText(QRect(x, 0, textWidth + 1, height()), Qt::AlignVCenter | Qt::TextShowMnemonic, text());
}

}  // namespace quorbit
