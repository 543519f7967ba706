#include "infrastructure/desktop/ImageFileQRImportService.h"

#include "domain/QuorbitError.h"
#include "infrastructure/desktop/ZXingQRCodeDetector.h"

#include "QrCodeTestImage.h"
#include "support/ThrownError.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace quorbit {
namespace {

using test::qrCodeImage;

constexpr const char* kTotpURI = "otpauth://totp/Example:alice@example.com?secret=JBSWY3DPEHPK3PXP&issuer=Example";
constexpr const char* kMigrationURI =
    "otpauth-migration://"
    "offline?data=CjEKCkhlbGxvId6tvu8SGEV4YW1wbGU6YWxpY2VAZXhhbXBsZS5jb20aB0V4YW1wbGUgASgBMAIQARgBIAA%3D";

// Dark modules on a transparent canvas: a reader that ignores alpha sees black on black.
QImage onTransparentCanvas(const QImage& code) {
    QImage canvas(code.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QImage modules = code.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < modules.height(); ++y) {
        for (int x = 0; x < modules.width(); ++x) {
            if (qGray(modules.pixel(x, y)) < 128) canvas.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    return canvas;
}

class ImageFileTest : public ::testing::Test {
protected:
    std::filesystem::path save(const QImage& image, const char* name, const char* format) {
        const std::filesystem::path path = dir_.filePath(QString::fromUtf8(name)).toStdString();
        EXPECT_TRUE(image.save(QString::fromStdString(path.string()), format));
        return path;
    }

    std::filesystem::path write(const char* name, const QByteArray& bytes) {
        const QString path = dir_.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path.toStdString();
    }

    ImageFileQRImportService service_;
    QTemporaryDir dir_;
};

struct ReadableCase {
    const char* name;
    std::string text;
    const char* format;
    std::function<QImage(const QImage&)> render;
};

void PrintTo(const ReadableCase& readable, std::ostream* out) { *out << readable.name; }

class ReadableImageTest : public ImageFileTest, public ::testing::WithParamInterface<ReadableCase> {};

TEST_P(ReadableImageTest, ReturnsTheCodeTextUnchanged) {
    const ReadableCase& param = GetParam();
    const QImage plain = qrCodeImage(param.text);
    const QImage image = param.render ? param.render(plain) : plain;
    const auto path = save(image, (std::string(param.name) + "." + param.format).c_str(), param.format);
    EXPECT_EQ(service_.readPayload(path), param.text);
}

INSTANTIATE_TEST_SUITE_P(
    Images, ReadableImageTest,
    ::testing::Values(
        ReadableCase{"otpauthPng", kTotpURI, "png", {}}, ReadableCase{"migrationJpeg", kMigrationURI, "jpg", {}},
        ReadableCase{"lightOnDark", kTotpURI, "png", [](const QImage&) { return qrCodeImage(kTotpURI, 6, true); }},
        ReadableCase{"greyscalePng", kTotpURI, "png",
                     [](const QImage& code) { return code.convertToFormat(QImage::Format_Grayscale8); }},
        ReadableCase{"transparentBackground", kTotpURI, "png", onTransparentCanvas},
        ReadableCase{"capitalScheme", "OTPAUTH://totp/Bank:bob?secret=JBSWY3DPEHPK3PXP", "png", {}},
        ReadableCase{"utf8Label", "otpauth://totp/Пример:иван?secret=JBSWY3DPEHPK3PXP&issuer=Пример", "png", {}},
        ReadableCase{"codeOnLargerPhoto", kTotpURI, "jpg",
                     [](const QImage& code) {
                         QImage photo(1600, 1200, QImage::Format_RGB32);
                         photo.fill(QColor(200, 190, 170));
                         QPainter(&photo).drawImage(700, 500, code);
                         return photo;
                     }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(ImageFileTest, UnreadableOrUnsupportedFilesAreUnsupportedQRCode) {
    std::vector<char> noise(4096);
    std::mt19937 random(7);
    for (char& byte : noise) byte = static_cast<char>(random());
    QImage blank(400, 400, QImage::Format_RGB32);
    blank.fill(Qt::white);

    const std::vector<std::pair<const char*, std::filesystem::path>> files{
        {"picture without a code", save(blank, "blank.png", "png")},
        {"web address code", save(qrCodeImage("https://example.com/login"), "web.png", "png")},
        {"random bytes", write("noise.png", QByteArray(noise.data(), static_cast<qsizetype>(noise.size())))},
        {"text renamed", write("notes.png", "otpauth://totp/Example?secret=JBSWY3DPEHPK3PXP\n")},
        {"truncated png",
         write("cut.png",
               [&] {
                   QFile full(QString::fromStdString(save(qrCodeImage(kTotpURI), "full.png", "png").string()));
                   EXPECT_TRUE(full.open(QIODevice::ReadOnly));
                   return full.read(full.size() / 2);
               }())},
        {"missing file", dir_.filePath("absent.png").toStdString()},
    };
    for (const auto& [label, path] : files) {
        SCOPED_TRACE(label);
        EXPECT_EQ(test::thrownError([&] { service_.readPayload(path); }).errorCase(),
                  QuorbitError::Case::unsupportedQRCode);
    }
}

TEST(ZXingQRCodeDetectorTest, EnlargesOnceWhenTheFirstReadingFindsNothing) {
    std::vector<int> widthsRead;
    const ZXingQRCodeDetector detector([&](const QImage& image) {
        widthsRead.push_back(image.width());
        return image.width() >= 200 ? std::vector<std::string>{kTotpURI} : std::vector<std::string>{};
    });
    QImage small(100, 80, QImage::Format_RGB32);
    small.fill(Qt::white);

    const auto enlarged = detector.detect(small);
    EXPECT_EQ(enlarged, (ZXingQRCodeDetector::DetectionResult{{kTotpURI}, {kTotpURI}, true}));
    EXPECT_EQ(widthsRead, (std::vector<int>{100, 200}));

    widthsRead.clear();
    QImage tooSmall(40, 40, QImage::Format_RGB32);
    tooSmall.fill(Qt::white);
    EXPECT_EQ(detector.detect(tooSmall), ZXingQRCodeDetector::DetectionResult{});
    EXPECT_EQ(widthsRead, (std::vector<int>{40, 80}));
}

// A small file can hold a huge blank canvas; doubling it would take gigabytes past QImageReader's limit.
TEST(ZXingQRCodeDetectorTest, EnlargesOnlyWithinSixteenMegapixels) {
    std::vector<int> widthsRead;
    const ZXingQRCodeDetector detector([&](const QImage& image) {
        widthsRead.push_back(image.width());
        return std::vector<std::string>{};
    });
    QImage atBudget(2000, 2000, QImage::Format_Grayscale8);
    atBudget.fill(255);
    detector.detect(atBudget);
    EXPECT_EQ(widthsRead, (std::vector<int>{2000, 4000}));

    widthsRead.clear();
    QImage overBudget(4000, 1001, QImage::Format_Grayscale8);
    overBudget.fill(255);
    EXPECT_EQ(detector.detect(overBudget), ZXingQRCodeDetector::DetectionResult{});
    EXPECT_EQ(widthsRead, (std::vector<int>{4000}));
    EXPECT_FALSE(ZXingQRCodeDetector::upscaledImage(overBudget, 2).has_value());
}

TEST(ZXingQRCodeDetectorTest, FirstReadingWithPayloadsIsNotRetried) {
    int readings = 0;
    const ZXingQRCodeDetector detector([&](const QImage&) {
        ++readings;
        return std::vector<std::string>{"https://example.com", "otpauth://totp/A?secret=AA", "https://example.com",
                                        "OTPAUTH-MIGRATION://offline?data=x", "otpauth://totp/A?secret=AA"};
    });
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);

    const auto result = detector.detect(image);
    EXPECT_EQ(readings, 1);
    EXPECT_FALSE(result.usedUpscaleRetry);
    EXPECT_EQ(result.uniquePayloads, (std::vector<std::string>{"https://example.com", "otpauth://totp/A?secret=AA",
                                                               "OTPAUTH-MIGRATION://offline?data=x"}));
    EXPECT_EQ(result.supportedURIs,
              (std::vector<std::string>{"otpauth://totp/A?secret=AA", "OTPAUTH-MIGRATION://offline?data=x"}));
}

}  // namespace
}  // namespace quorbit
