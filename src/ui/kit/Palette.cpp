#include "ui/kit/Palette.h"

namespace quorbit {

Palette::Palette(const QPalette& palette) : palette_(palette), dark_(isDark(palette)) {}

bool Palette::isDark(const QPalette& palette) { return palette.color(QPalette::Window).lightnessF() < 0.5; }

QColor Palette::withAlpha(QColor color, qreal alpha) {
    color.setAlphaF(color.alphaF() * alpha);
    return color;
}

QColor Palette::primaryText() const { return palette_.color(QPalette::WindowText); }
QColor Palette::secondaryText() const { return withAlpha(primaryText(), 0.55); }
QColor Palette::tertiaryText() const { return withAlpha(primaryText(), 0.35); }
QColor Palette::accent() const { return palette_.color(QPalette::Highlight); }
QColor Palette::window() const { return palette_.color(QPalette::Window); }

QColor Palette::orange() const { return dark_ ? QColor(0xFF, 0x9F, 0x0A) : QColor(0xE0, 0x7A, 0x00); }
QColor Palette::green() const { return dark_ ? QColor(0x32, 0xD7, 0x4B) : QColor(0x1E, 0x9A, 0x3E); }
QColor Palette::red() const { return dark_ ? QColor(0xFF, 0x45, 0x3A) : QColor(0xD7, 0x2C, 0x22); }
QColor Palette::blue() const { return dark_ ? QColor(0x0A, 0x84, 0xFF) : QColor(0x0A, 0x64, 0xD6); }
QColor Palette::purple() const { return dark_ ? QColor(0xBF, 0x5A, 0xF2) : QColor(0x8E, 0x3F, 0xB8); }
QColor Palette::gray() const { return dark_ ? QColor(0x98, 0x98, 0x9D) : QColor(0x8E, 0x8E, 0x93); }

QColor Palette::glassFill() const { return dark_ ? QColor(255, 255, 255, 18) : QColor(255, 255, 255, 178); }

QColor Palette::glassBorder() const { return dark_ ? QColor(255, 255, 255, 28) : QColor(0, 0, 0, 22); }

QColor Palette::separator() const { return withAlpha(primaryText(), 0.12); }

QColor Palette::controlOutline() const { return dark_ ? QColor(0x78, 0x78, 0x7E) : QColor(0x70, 0x70, 0x75); }

}  // namespace quorbit
