#pragma once

#include <QColor>
#include <QImage>

class QWidget;

namespace quorbit::test {

// WCAG contrast ratio, from 1 (the same) to 21 (black on white), of a colour drawn (with its
// alpha) over an opaque background.
double contrastRatio(const QColor& drawn, const QColor& background);

// The widget as its window draws it, parents' backgrounds included.
QImage grabInWindow(const QWidget* widget);

// The contrast of the pixel that stands out most from the background: the colour given, or the
// image's top-left corner.
double inkContrast(const QImage& image, const QColor& background);
double inkContrast(const QImage& image);

}  // namespace quorbit::test
