#include "ui/windows/QrCodeImage.h"

#include <algorithm>
#include <exception>

#include <ZXing/BarcodeFormat.h>
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

namespace quorbit {
namespace {

constexpr int eccLevelM = 4;  // the writer's 0..8 scale; 3..4 is level M
constexpr int quietZoneModules = 2;

std::optional<ZXing::BitMatrix> encodeModules(const QString& text) {
    try {
        // Size 0 asks for one pixel per module; the image is scaled by whole modules below.
        return ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
            .setEncoding(ZXing::CharacterSet::UTF8)
            .setEccLevel(eccLevelM)
            .setMargin(quietZoneModules)
            .encode(text.toStdString(), 0, 0);
    } catch (const std::exception&) {
        return std::nullopt;  // too long for any QR version
    }
}

}  // namespace

std::optional<QImage> QrCodeImage::make(const QString& text, int size) {
    if (text.isEmpty()) return std::nullopt;
    const std::optional<ZXing::BitMatrix> modules = encodeModules(text);
    if (!modules || modules->width() <= 0 || modules->width() > size) return std::nullopt;
    const int scale = size / modules->width();
    QImage image(modules->width() * scale, modules->height() * scale, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    for (int y = 0; y < modules->height(); ++y) {
        for (int x = 0; x < modules->width(); ++x) {
            if (!modules->get(x, y)) continue;
            for (int row = y * scale; row < (y + 1) * scale; ++row) {
                std::fill_n(image.scanLine(row) + x * scale, scale, uchar{0});
            }
        }
    }
    return image;
}

}  // namespace quorbit
