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
    QColor ink = surrounding.color(QPalette::ButtonText);
    if (role_ == Role::destructive) {
        ink = Palette(surrounding).red();
        QPalette own = palette();
        own.setColor(QPalette::ButtonText, ink);
        if (own != palette()) setPalette(own);
    }
    setIcon(IconFactory::icon(symbol_, ink));
}

}  // namespace quorbit
