#pragma once

#include <QProxyStyle>

namespace quorbit {

// Fusion, with the edges of check boxes, radio buttons, fields, buttons, combo and spin boxes
// in the theme's control outline. Fusion derives that edge from the window colour, which
// leaves it close to the window itself, invisible in the dark palette.
class OutlineContrastStyle final : public QProxyStyle {
    Q_OBJECT
public:
    OutlineContrastStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

}  // namespace quorbit
