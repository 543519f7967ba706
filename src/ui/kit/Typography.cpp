#include "ui/kit/Typography.h"

#include <QApplication>

namespace quorbit {

int Typography::pixelSize(TextStyle style) {
    switch (style) {
    case TextStyle::largeTitle: return 26;
    case TextStyle::title: return 22;
    case TextStyle::title2: return 17;
    case TextStyle::title3: return 15;
    case TextStyle::headline: return 13;
    case TextStyle::body: return 13;
    case TextStyle::callout: return 12;
    case TextStyle::subheadline: return 11;
    case TextStyle::footnote:
    case TextStyle::caption:
    case TextStyle::caption2: return 10;
    }
    return 13;
}

QFont Typography::font(TextStyle style) {
    return font(style, style == TextStyle::headline ? QFont::Bold : QFont::Normal);
}

QFont Typography::font(TextStyle style, QFont::Weight weight) { return system(pixelSize(style), weight); }

QFont Typography::system(int pixelSize, QFont::Weight weight) {
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QFont Typography::monospaced(TextStyle style, QFont::Weight weight) {
    QFont font = system(pixelSize(style), weight);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont Typography::rounded(int pixelSize, QFont::Weight weight) { return system(pixelSize, weight); }

}  // namespace quorbit
