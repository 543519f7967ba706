#pragma once

#include "application/ports/QRImportService.h"
#include "infrastructure/desktop/ZXingQRCodeDetector.h"

namespace quorbit {

// Reads the QR payload of an image file through the shared detector.
class ImageFileQRImportService : public QRImportService {
public:
    explicit ImageFileQRImportService(ZXingQRCodeDetector detector = {});

    std::string readPayload(const std::filesystem::path& imageFile) override;

private:
    ZXingQRCodeDetector detector_;
};

}  // namespace quorbit
