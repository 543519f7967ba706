#pragma once

#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

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

    // `cause` is the system's code where a file operation failed with one (no space, a
    // read-only folder), so the message can say what to do.
    static QuorbitError fileWriteFailed(std::string detail, std::error_code cause = {});
    static QuorbitError keychainFailure(std::string detail);
    static QuorbitError persistenceFailure(std::string detail, std::error_code cause = {});
    // Access denied because no Secret Service runs at all: there is no prompt to look for.
    static QuorbitError keychainUnavailable();
    static constexpr std::string_view keychainUnavailableDetail =
        "no Secret Service is running on the session bus; start a keyring service such as GNOME Keyring, KWallet "
        "or KeePassXC and try again";

    Case errorCase() const noexcept { return case_; }
    const std::string& detail() const noexcept { return detail_; }
    const std::error_code& cause() const noexcept { return cause_; }
    static bool hasDetail(Case errorCase) noexcept;

    // The line of an imported text the error is about (the first line is 1), when there is one.
    const std::optional<std::size_t>& line() const noexcept { return line_; }
    QuorbitError atLine(std::size_t line) const;

    const std::string& errorDescription() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

    bool operator==(const QuorbitError& other) const noexcept {
        return case_ == other.case_ && detail_ == other.detail_;
    }

private:
    Case case_;
    std::string detail_;
    std::error_code cause_;
    std::optional<std::size_t> line_;
    std::string description_;
};

}  // namespace quorbit
