#include "infrastructure/desktop/ImageFileQRImportService.h"

#include <utility>

namespace quorbit {

ImageFileQRImportService::ImageFileQRImportService(ZXingQRCodeDetector detector) : detector_(std::move(detector)) {}

std::string ImageFileQRImportService::readPayload(const std::filesystem::path& imageFile) {
    return detector_.readOtpAuthURI(imageFile);
}

}  // namespace quorbit
