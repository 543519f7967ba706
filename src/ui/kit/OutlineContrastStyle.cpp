#include "ui/kit/OutlineContrastStyle.h"

#include <QStyleFactory>
#include <QStyleOption>

#include <optional>

#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

// Fusion draws these edges in the window colour darkened by 140 %; a window colour lightened by
// the same factor gives back the outline. The option is copied as its own type, which the style
// casts it back to.
template <typename Option>
std::optional<Option> outlined(const QStyleOption* option) {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed) return std::nullopt;
    Option copy(*typed);
    copy.palette.setColor(QPalette::Window, Palette(typed->palette).controlOutline().lighter(140));
    return copy;
}

}  // namespace

OutlineContrastStyle::OutlineContrastStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void OutlineContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                         const QWidget* widget) const {
    std::optional<QStyleOptionButton> button;
    std::optional<QStyleOptionFrame> frame;
    if (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton || element == PE_PanelButtonCommand) {
        button = outlined<QStyleOptionButton>(option);
    }
    if (element == PE_FrameLineEdit) frame = outlined<QStyleOptionFrame>(option);
    const QStyleOption* drawn = button ? &*button : frame ? static_cast<const QStyleOption*>(&*frame) : option;
    QProxyStyle::drawPrimitive(element, drawn, painter, widget);
}

void OutlineContrastStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                              QPainter* painter, const QWidget* widget) const {
    std::optional<QStyleOptionComboBox> combo;
    std::optional<QStyleOptionSpinBox> spin;
    if (control == CC_ComboBox) combo = outlined<QStyleOptionComboBox>(option);
    if (control == CC_SpinBox) spin = outlined<QStyleOptionSpinBox>(option);
    const QStyleOptionComplex* drawn = combo  ? &*combo
                                       : spin ? static_cast<const QStyleOptionComplex*>(&*spin)
                                              : option;
    QProxyStyle::drawComplexControl(control, drawn, painter, widget);
}

}  // namespace quorbit
