#pragma once

#include "application/ports/QRImportService.h"
#include "infrastructure/desktop/VisionQRCodeDetector.h"

namespace quorbit {

// Reads the QR payload of an image file through the shared detector.
class VisionQRImportService : public QRImportService {
public:
    explicit VisionQRImportService(VisionQRCodeDetector detector = {});

    std::string readPayload(const std::filesystem::path& imageFile) override;

private:
    VisionQRCodeDetector detector_;
};

}  // namespace quorbit
