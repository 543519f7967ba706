#include "domain/QuorbitError.h"

#include <utility>

namespace quorbit {
namespace {

std::string englishDescription(QuorbitError::Case errorCase, const std::string& detail) {
    using C = QuorbitError::Case;
    switch (errorCase) {
    case C::fileWriteFailed: return "Failed to write file: " + detail;
    case C::keychainFailure: return "System keyring error: " + detail;
    case C::persistenceFailure: return "Storage error: " + detail;
    case C::invalidSecret: return "The token secret is not valid Base32.";
    case C::invalidTokenURI: return "The token link is not a valid otpauth:// URI.";
    case C::duplicateAccount: return "This token already exists in Quorbit.";
    case C::accountNotFound: return "The account could not be found.";
    case C::locked: return "Quorbit is locked.";
    case C::wrongBackupPassword: return "The backup password is incorrect.";
    case C::corruptedBackup: return "The backup file is corrupted or has an unsupported format.";
    case C::checksumMismatch: return "The checksum does not match.";
    case C::keychainAccessDenied:
        return detail.empty() ? "The system keyring denied access." : "The system keyring denied access: " + detail;
    case C::noAccountsSelected: return "No accounts selected.";
    case C::unsupportedQRCode: return "No compatible authenticator QR code was found.";
    case C::screenRecordingPermissionDenied:
        return "Screen recording access is not granted. Allow Quorbit to capture the screen in system "
               "settings, then fully quit and reopen the application.";
    case C::screenCaptureEmpty: return "Failed to capture screen image. Try again or restart the application.";
    case C::noQRCodeFound:
        return "No QR code found on screen. Make sure the QR code is fully visible, enlarge it, and try again.";
    case C::invalidMigrationData: return "The Google Authenticator export data is invalid.";
    case C::migrationDecodeFailed: return "Failed to decode the migration data.";
    }
    return {};
}

}  // namespace

QuorbitError::QuorbitError(Case errorCase, std::string detail)
    : case_(errorCase), detail_(hasDetail(errorCase) ? std::move(detail) : std::string{}),
      description_(englishDescription(case_, detail_)) {}

QuorbitError QuorbitError::fileWriteFailed(std::string detail, std::error_code cause) {
    QuorbitError error(Case::fileWriteFailed, std::move(detail));
    error.cause_ = cause;
    return error;
}
QuorbitError QuorbitError::keychainFailure(std::string detail) {
    return QuorbitError(Case::keychainFailure, std::move(detail));
}
QuorbitError QuorbitError::persistenceFailure(std::string detail, std::error_code cause) {
    QuorbitError error(Case::persistenceFailure, std::move(detail));
    error.cause_ = cause;
    return error;
}
QuorbitError QuorbitError::keychainUnavailable() {
    return QuorbitError(Case::keychainAccessDenied, std::string(keychainUnavailableDetail));
}

QuorbitError QuorbitError::atLine(std::size_t line) const {
    QuorbitError located(*this);
    located.line_ = line;
    located.description_ = "Line " + std::to_string(line) + ": " + description_;
    return located;
}

bool QuorbitError::hasDetail(Case errorCase) noexcept {
    return errorCase == Case::fileWriteFailed || errorCase == Case::keychainFailure ||
           errorCase == Case::persistenceFailure || errorCase == Case::keychainAccessDenied;
}

}  // namespace quorbit
