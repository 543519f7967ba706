#pragma once

#include <filesystem>
#include <string>

namespace quorbit {

// Reads the first supported otpauth:// or otpauth-migration:// text from the QR codes of an
// image file. Failures throw QuorbitError (noQRCodeFound, unsupportedQRCode, ...).
class QRImportService {
public:
    virtual ~QRImportService() = default;
    virtual std::string readPayload(const std::filesystem::path& imageFile) = 0;
};

}  // namespace quorbit
