#pragma once

#include <QColor>
#include <QPalette>

namespace quorbit {

// The colours the views use, read from a widget's QPalette: text levels as alphas of the text
// colour, the accent as Highlight, and fixed named colours in a light and a dark variant.
class Palette {
public:
    // One of the colours below, named so that a widget can look it up again when it paints.
    using Tint = QColor (Palette::*)() const;

    explicit Palette(const QPalette& palette);

    bool isDark() const noexcept { return dark_; }

    QColor primaryText() const;
    QColor secondaryText() const;  // 55 % of the text colour
    QColor tertiaryText() const;   // 35 %
    QColor accent() const;         // also the tint
    QColor window() const;

    QColor orange() const;
    QColor green() const;
    QColor red() const;
    QColor blue() const;
    QColor purple() const;
    QColor gray() const;

    QColor glassFill() const;
    QColor glassBorder() const;
    QColor separator() const;
    // The edge of a control (check box, field, button), at least 3:1 against the window.
    QColor controlOutline() const;

    static QColor withAlpha(QColor color, qreal alpha);
    static bool isDark(const QPalette& palette);

private:
    QPalette palette_;
    bool dark_;
};

}  // namespace quorbit
