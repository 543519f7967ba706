#include "ui/kit/SymbolButton.h"

#include <QApplication>
#include <QEvent>

#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"

namespace quorbit {

SymbolButton::SymbolButton(QString symbol, Role role, QWidget* parent)
    : QPushButton(parent), symbol_(std::move(symbol)), role_(role) {
    applyColors();
}

void SymbolButton::setLabel(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (QPushButton::text() != escaped) setText(escaped);
}

QSize SymbolButton::sizeHint() const { return QPushButton::sizeHint() + QSize(12, 4); }

void SymbolButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) applyColors();
}

void SymbolButton::applyColors() {
    // Worked out from the surrounding palette: ours holds the colours set last time. Only the
    // roles we change are set, so the others keep following the theme.
    const QPalette surrounding = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    const Palette colors(surrounding);
    QColor ink = surrounding.color(QPalette::ButtonText);
    QPalette own = palette();
    if (role_ == Role::prominent) {
        own.setColor(QPalette::Button, colors.accent());
        ink = surrounding.color(QPalette::HighlightedText);
    } else if (role_ == Role::destructive) {
        ink = colors.red();
    }
    if (role_ != Role::plain) {
        own.setColor(QPalette::ButtonText, ink);
        if (own != palette()) setPalette(own);
    }
    if (!symbol_.isEmpty()) setIcon(IconFactory::icon(symbol_, ink));
}

}  // namespace quorbit
