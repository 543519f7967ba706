#pragma once

#include <exception>
#include <string>

namespace quorbit {

// The one error type of the program. Adapters and parsers convert their own errors to it
// at their boundary. `what()` is the English description; the interface texts come from
// the text catalogue.
class QuorbitError : public std::exception {
public:
    enum class Case {
        fileWriteFailed,
        keychainFailure,
        persistenceFailure,
        invalidSecret,
        invalidTokenURI,
        duplicateAccount,
        accountNotFound,
        locked,
        wrongBackupPassword,
        corruptedBackup,
        checksumMismatch,
        keychainAccessDenied,
        noAccountsSelected,
        unsupportedQRCode,
        screenRecordingPermissionDenied,
        screenCaptureEmpty,
        noQRCodeFound,
        invalidMigrationData,
        migrationDecodeFailed,
    };

    // The detail is kept only for the three cases that carry one, and for keychainAccessDenied,
    // where an optional one names what refused access (a missing keyring service, say).
    explicit QuorbitError(Case errorCase, std::string detail = {});

    static QuorbitError fileWriteFailed(std::string detail);
    static QuorbitError keychainFailure(std::string detail);
    static QuorbitError persistenceFailure(std::string detail);

    Case errorCase() const noexcept { return case_; }
    const std::string& detail() const noexcept { return detail_; }
    static bool hasDetail(Case errorCase) noexcept;

    const std::string& errorDescription() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

    bool operator==(const QuorbitError& other) const noexcept {
        return case_ == other.case_ && detail_ == other.detail_;
    }

private:
    Case case_;
    std::string detail_;
    std::string description_;
};

}  // namespace quorbit
