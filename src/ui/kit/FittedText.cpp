#include "ui/kit/FittedText.h"

#include <QFontMetricsF>

#include <cmath>

namespace quorbit {

FittedText FittedText::fit(const QString& text, const QFont& font, qreal width, qreal minimumScale) {
    const int size = font.pixelSize();
    const int smallest = int(std::ceil(size * minimumScale - 0.01));
    QFont shrunk = font;
    for (int pixels = size; pixels >= smallest && pixels > 0; --pixels) {
        shrunk.setPixelSize(pixels);
        if (QFontMetricsF(shrunk).horizontalAdvance(text) <= width) return {shrunk, text};
    }
    return {shrunk, QFontMetricsF(shrunk).elidedText(text, Qt::ElideRight, width)};
}

}  // namespace quorbit
