#include "infrastructure/desktop/ZXingQRCodeDetector.h"

#include "domain/QuorbitError.h"

// Results give UTF-8 text; without this ZXing 1.4 gives wide strings.
#define ZX_USE_UTF8 1
#include <ZXing/BarcodeFormat.h>
#include <ZXing/DecodeHints.h>
#include <ZXing/ReadBarcode.h>

#include <QFile>
#include <QImageReader>
#include <QSysInfo>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace quorbit {

namespace {

constexpr std::string_view kOtpAuthPrefix = "otpauth://";
constexpr std::string_view kMigrationPrefix = "otpauth-migration://";
// The enlarged retry bypasses QImageReader's allocation limit, and a tiny file can hold a huge
// blank canvas; codes on such images are large enough for the first reading anyway.
constexpr std::int64_t kMaxEnlargedPixels = 16'000'000;

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char expected, char actual) {
               return expected == std::tolower(static_cast<unsigned char>(actual));
           });
}

// The downscaled pyramid costs a large screenshot about a fifth more time and only matters for
// codes blurred at full size, so it runs only after a plain pass found nothing.
ZXing::DecodeHints qrHints(bool tryDownscale) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryDownscale(tryDownscale);
    return hints;
}

// QImage keeps RGB32 pixels as native 32-bit words, so their byte order follows the CPU's.
constexpr ZXing::ImageFormat kRgb32Layout = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? ZXing::ImageFormat::BGRX
                                                                                          : ZXing::ImageFormat::XRGB;

// Premultiplied pixels laid over white, so a dark code on a transparent canvas stays dark
// (a plain grey conversion would make the canvas black).
QImage luminance(const QImage& image) {
    if (image.format() == QImage::Format_Grayscale8) return image;
    const QImage source = image.format() == QImage::Format_RGB32 ||
                                  image.format() == QImage::Format_ARGB32_Premultiplied
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage luma(source.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < source.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = luma.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = pixels[x];
            const int veil = 255 - qAlpha(pixel);
            out[x] = static_cast<uchar>(
                ((qRed(pixel) + veil) * 77 + (qGreen(pixel) + veil) * 150 + (qBlue(pixel) + veil) * 29) >> 8);
        }
    }
    return luma;
}

// Opaque screenshots go to ZXing as they are: its own grey conversion is quicker than a copy.
QImage readableForm(const QImage& image) { return image.format() == QImage::Format_RGB32 ? image : luminance(image); }

std::vector<std::string> read(const QImage& image, bool tryDownscale) {
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                grey ? ZXing::ImageFormat::Lum : kRgb32Layout, static_cast<int>(image.bytesPerLine()));
    std::vector<std::string> texts;
    for (const ZXing::Result& result : ZXing::ReadBarcodes(view, qrHints(tryDownscale))) {
        if (result.isValid() && !result.text().empty()) texts.push_back(result.text());
    }
    return texts;
}

}  // namespace

ZXingQRCodeDetector::ZXingQRCodeDetector() : ZXingQRCodeDetector(&ZXingQRCodeDetector::detectPayloads) {}

ZXingQRCodeDetector::ZXingQRCodeDetector(PayloadReader payloadReader) : payloadReader_(std::move(payloadReader)) {}

ZXingQRCodeDetector::DetectionResult ZXingQRCodeDetector::detect(const QImage& image) const {
    const std::vector<std::string> payloads = payloadReader_(image);
    if (!payloads.empty()) return {uniquePayloads(payloads), supportedURIs(payloads), false};
    const std::optional<QImage> enlarged = upscaledImage(image, 2);
    if (!enlarged) return {};
    const std::vector<std::string> retried = payloadReader_(*enlarged);
    return {uniquePayloads(retried), supportedURIs(retried), !retried.empty()};
}

std::string ZXingQRCodeDetector::readOtpAuthURI(const std::filesystem::path& imageFile) const {
    QImageReader reader(QFile::decodeName(imageFile.c_str()));
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) throw QuorbitError(QuorbitError::Case::unsupportedQRCode);
    const DetectionResult result = detect(image);
    if (result.supportedURIs.empty()) throw QuorbitError(QuorbitError::Case::unsupportedQRCode);
    return result.supportedURIs.front();
}

std::vector<std::string> ZXingQRCodeDetector::detectPayloads(const QImage& image) {
    if (image.isNull()) return {};
    const QImage readable = readableForm(image);
    for (const bool tryDownscale : {false, true}) {
        std::vector<std::string> texts = read(readable, tryDownscale);
        if (!texts.empty()) return texts;
    }
    QImage inverted = luminance(readable);
    inverted.invertPixels();
    return read(inverted, true);
}

std::optional<QImage> ZXingQRCodeDetector::upscaledImage(const QImage& image, int scale) {
    if (image.isNull()) return std::nullopt;
    const std::int64_t enlargedPixels = std::int64_t{image.width()} * scale * image.height() * scale;
    if (enlargedPixels > kMaxEnlargedPixels) return std::nullopt;
    QImage enlarged =
        image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (enlarged.isNull()) return std::nullopt;
    return enlarged;
}

std::vector<std::string> ZXingQRCodeDetector::uniquePayloads(const std::vector<std::string>& payloads) {
    std::vector<std::string> unique;
    std::unordered_set<std::string> seen;
    for (const std::string& payload : payloads) {
        if (seen.insert(payload).second) unique.push_back(payload);
    }
    return unique;
}

std::vector<std::string> ZXingQRCodeDetector::supportedURIs(const std::vector<std::string>& payloads) {
    std::vector<std::string> supported;
    std::copy_if(payloads.begin(), payloads.end(), std::back_inserter(supported), [](const std::string& text) {
        return startsWithIgnoringCase(text, kOtpAuthPrefix) || startsWithIgnoringCase(text, kMigrationPrefix);
    });
    return uniquePayloads(supported);
}

bool ZXingQRCodeDetector::isMigrationPayload(const std::string& text) {
    return startsWithIgnoringCase(text, kMigrationPrefix);
}

}  // namespace quorbit
