#include "infrastructure/desktop/VisionQRImportService.h"

#include <utility>

namespace quorbit {

VisionQRImportService::VisionQRImportService(VisionQRCodeDetector detector) : detector_(std::move(detector)) {}

std::string VisionQRImportService::readPayload(const std::filesystem::path& imageFile) {
    return detector_.readOtpAuthURI(imageFile);
}

}  // namespace quorbit
