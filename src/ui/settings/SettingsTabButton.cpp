#include "ui/settings/SettingsTabButton.h"

#include <QPainter>

#include <algorithm>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"

namespace quorbit {

SettingsTabButton::SettingsTabButton(QString symbol, QWidget* parent)
    : QToolButton(parent), symbol_(std::move(symbol)) {
    setCheckable(true);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFont(Typography::font(TextStyle::subheadline));
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SettingsTabButton::setLabel(const QString& text) {
    if (label_ == text) return;
    label_ = text;
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    setText(escaped);
    setAccessibleName(text);
    updateGeometry();
}

QSize SettingsTabButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(label_);
    return QSize(std::max(textWidth + 12, 52), 8 + symbolSide + 4 + metrics.height() + 6);
}

QSize SettingsTabButton::minimumSizeHint() const { return sizeHint(); }

void SettingsTabButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Palette colors(palette());
    const bool chosen = isChecked();
    if (chosen) {
        const QColor backdrop = Palette::withAlpha(colors.accent(), colors.isDark() ? 0.22 : 0.12);
        painter.fillPath(ContinuousRoundedRect::path(QRectF(rect()).adjusted(1, 1, -1, -1), 8), backdrop);
    }
    const QColor ink = chosen ? colors.accent() : colors.secondaryText();
    const QRectF symbolRect((width() - symbolSide) / 2.0, 8, symbolSide, symbolSide);
    IconFactory::paint(painter, symbolRect, symbol_, ink);
    painter.setPen(chosen ? colors.accent() : colors.primaryText());
    painter.setFont(font());
    const QRect textRect(0, 8 + symbolSide + 4, width(), QFontMetrics(font()).height());
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, label_);
    // The ring marks keyboard focus only, not the focus a window hands its first tab.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Palette::withAlpha(colors.accent(), 0.6), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ContinuousRoundedRect::path(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 8));
    }
}

}  // namespace quorbit
