#include "QrCodeTestImage.h"

#include <ZXing/BarcodeFormat.h>
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <QPainter>

namespace quorbit::test {

QImage qrCodeImage(const std::string& text, int moduleSize, bool lightOnDark) {
    const ZXing::BitMatrix modules = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                                         .setEncoding(ZXing::CharacterSet::UTF8)
                                         .setMargin(4)
                                         .encode(text, 0, 0);
    const QColor dark = lightOnDark ? Qt::white : Qt::black;
    const QColor light = lightOnDark ? QColor(20, 20, 30) : Qt::white;
    QImage image(modules.width() * moduleSize, modules.height() * moduleSize, QImage::Format_RGB32);
    image.fill(light);
    QPainter painter(&image);
    for (int y = 0; y < modules.height(); ++y) {
        for (int x = 0; x < modules.width(); ++x) {
            if (modules.get(x, y)) painter.fillRect(x * moduleSize, y * moduleSize, moduleSize, moduleSize, dark);
        }
    }
    return image;
}

}  // namespace quorbit::test
