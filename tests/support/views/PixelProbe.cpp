#include "support/views/PixelProbe.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quorbit::test {
namespace {

double luminance(const QColor& color) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

}  // namespace

double contrastRatio(const QColor& drawn, const QColor& background) {
    const double a = drawn.alphaF();
    const QColor blended = QColor::fromRgbF(float(a * drawn.redF() + (1 - a) * background.redF()),
                                            float(a * drawn.greenF() + (1 - a) * background.greenF()),
                                            float(a * drawn.blueF() + (1 - a) * background.blueF()));
    const double first = luminance(blended);
    const double second = luminance(background);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QImage grabInWindow(const QWidget* widget) {
    const QWidget* window = widget->window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return const_cast<QWidget*>(window)->grab(area).toImage();
}

double inkContrast(const QImage& image) { return inkContrast(image, image.pixelColor(0, 0)); }

double inkContrast(const QImage& image, const QColor& background) {
    double strongest = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
        }
    }
    return strongest;
}

}  // namespace quorbit::test
