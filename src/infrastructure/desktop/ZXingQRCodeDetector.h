#pragma once

#include <QImage>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbit {

// Finds QR codes in a picture and keeps the texts the program can import
// (otpauth:// and otpauth-migration://). The one place that calls ZXing.
class ZXingQRCodeDetector {
public:
    // Throws on failure; gives every QR text found, in the order the reader reports them.
    using PayloadReader = std::function<std::vector<std::string>(const QImage&)>;

    struct DetectionResult {
        std::vector<std::string> uniquePayloads;
        std::vector<std::string> supportedURIs;
        bool usedUpscaleRetry = false;

        bool operator==(const DetectionResult&) const = default;
    };

    ZXingQRCodeDetector();
    explicit ZXingQRCodeDetector(PayloadReader payloadReader);

    const PayloadReader& payloadReader() const noexcept { return payloadReader_; }

    // Reads the picture, and once more enlarged 2x when the first reading finds nothing.
    DetectionResult detect(const QImage& image) const;

    // The first supported text of the image file; unsupportedQRCode when there is none
    // or the file is not a readable image.
    std::string readOtpAuthURI(const std::filesystem::path& imageFile) const;

    // QR format only, try-harder, and the inverted picture for light-on-dark codes.
    static std::vector<std::string> detectPayloads(const QImage& image);
    static std::optional<QImage> upscaledImage(const QImage& image, int scale);
    static std::vector<std::string> uniquePayloads(const std::vector<std::string>& payloads);
    static std::vector<std::string> supportedURIs(const std::vector<std::string>& payloads);
    static bool isMigrationPayload(const std::string& text);

private:
    PayloadReader payloadReader_;
};

}  // namespace quorbit
