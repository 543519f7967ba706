#include "ui/kit/Theme.h"

#include <QApplication>

#include "ui/kit/OutlineContrastStyle.h"
#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

struct Colors {
    QColor window, base, alternateBase, text, button, highlight, link, tooltip;
};

const Colors lightColors{QColor(0xEE, 0xEE, 0xF0), QColor(0xFF, 0xFF, 0xFF), QColor(0xF5, 0xF5, 0xF7),
                         QColor(0x1D, 0x1D, 0x1F), QColor(0xFA, 0xFA, 0xFC), QColor(0x0A, 0x64, 0xD6),
                         QColor(0x0A, 0x64, 0xD6), QColor(0xFF, 0xFF, 0xF0)};
const Colors darkColors{QColor(0x1E, 0x1E, 0x21), QColor(0x2A, 0x2A, 0x2E), QColor(0x31, 0x31, 0x35),
                        QColor(0xEC, 0xEC, 0xEE), QColor(0x3A, 0x3A, 0x3E), QColor(0x3D, 0x8B, 0xFF),
                        QColor(0x5A, 0x9C, 0xFF), QColor(0x2E, 0x2E, 0x32)};

QPalette paletteOf(const Colors& c, bool dark) {
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.text);
    p.setColor(QPalette::Base, c.base);
    p.setColor(QPalette::AlternateBase, c.alternateBase);
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::Button, c.button);
    p.setColor(QPalette::ButtonText, c.text);
    p.setColor(QPalette::BrightText, dark ? QColor(0xFF, 0x45, 0x3A) : QColor(0xD7, 0x2C, 0x22));
    p.setColor(QPalette::Highlight, c.highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, c.link);
    p.setColor(QPalette::LinkVisited, c.link);
    p.setColor(QPalette::ToolTipBase, c.tooltip);
    p.setColor(QPalette::ToolTipText, c.text);
    p.setColor(QPalette::PlaceholderText, Palette::withAlpha(c.text, 0.35));
    // Fusion derives its bevels from these.
    p.setColor(QPalette::Light, dark ? c.button.lighter(135) : Qt::white);
    p.setColor(QPalette::Midlight, dark ? c.button.lighter(115) : c.button.darker(105));
    // Dividers are drawn in Mid: about 2:1 against the window, plain to see and still quiet.
    p.setColor(QPalette::Mid, dark ? QColor(0x5E, 0x5E, 0x64) : QColor(0xA6, 0xA6, 0xAC));
    p.setColor(QPalette::Dark, dark ? c.button.darker(160) : c.button.darker(150));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0, dark ? 160 : 90));
    const QColor disabledText = Palette::withAlpha(c.text, 0.35);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, disabledText);
    }
    p.setColor(QPalette::Disabled, QPalette::Highlight, dark ? QColor(0x4A, 0x4A, 0x4E) : QColor(0xC8, 0xC8, 0xCC));
    return p;
}

}  // namespace

bool Theme::startedDark() {
    // Read once, before our first palette replaces what the desktop gave us.
    static const bool dark = Palette::isDark(QApplication::palette());
    return dark;
}

bool Theme::resolvesToDark(AppTheme theme) {
    const bool systemDark = startedDark();  // taken on the first call, whatever the theme
    switch (theme) {
    case AppTheme::light: return false;
    case AppTheme::dark: return true;
    case AppTheme::system: return systemDark;
    }
    return systemDark;
}

QPalette Theme::palette(bool dark) { return dark ? paletteOf(darkColors, true) : paletteOf(lightColors, false); }

void Theme::apply(AppTheme theme) {
    const bool dark = resolvesToDark(theme);
    if (!qobject_cast<OutlineContrastStyle*>(QApplication::style())) QApplication::setStyle(new OutlineContrastStyle);
    QApplication::setPalette(palette(dark));
}

}  // namespace quorbit
