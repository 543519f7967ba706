#include "ui/kit/StyledLabel.h"

#include <QApplication>
#include <QEvent>

#include "ui/kit/Palette.h"

namespace quorbit {

StyledLabel::StyledLabel(TextStyle style, Tone tone, QWidget* parent) : QLabel(parent), tone_(tone) {
    setTextFormat(Qt::PlainText);
    setFont(Typography::font(style));
    applyTone();
}

void StyledLabel::setTextIfChanged(const QString& text) {
    if (QLabel::text() != text) setText(text);
}

void StyledLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) applyTone();
}

void StyledLabel::applyTone() {
    // The surrounding palette, not our own: ours carries the tone set last time.
    const Palette colors(parentWidget() ? parentWidget()->palette() : QApplication::palette());
    QColor color = colors.primaryText();
    if (tone_ == Tone::secondary) color = colors.secondaryText();
    if (tone_ == Tone::orange) color = colors.orange();
    if (tone_ == Tone::red) color = colors.red();
    if (palette().color(QPalette::WindowText) == color) return;
    QPalette own = palette();
    own.setColor(QPalette::WindowText, color);
    own.setColor(QPalette::Text, color);
    setPalette(own);
}

}  // namespace quorbit
