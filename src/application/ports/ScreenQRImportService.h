#pragma once

#include <string>

namespace quorbit {

// Reads a supported QR payload off the screen. Failures throw QuorbitError
// (screenRecordingPermissionDenied, screenCaptureEmpty, noQRCodeFound, unsupportedQRCode).
class ScreenQRImportService {
public:
    virtual ~ScreenQRImportService() = default;
    virtual std::string readOtpAuthURIFromScreen() = 0;
};

}  // namespace quorbit
