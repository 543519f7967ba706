#pragma once

#include <cstdint>
#include <exception>
#include <span>
#include <string_view>
#include <vector>

#include "domain/GoogleAuthAccount.h"

namespace quorbit {

// Reads the otpauth-migration:// export of authenticator apps: a Base64 protocol-buffers
// payload with the accounts of one QR code and the position of that code in its export.
class GoogleAuthMigrationParser {
public:
    struct MigrationResult {
        std::vector<GoogleAuthAccount> accounts;  // in payload order
        std::int64_t version = 1;
        std::int64_t batchId = 0;     // shared by every QR code of one export
        std::int64_t batchSize = 1;   // number of QR codes of the export
        std::int64_t batchIndex = 0;  // zero-based position of this QR code
        bool isFinalBatch = true;

        bool operator==(const MigrationResult&) const = default;
    };

    // Its descriptions exist in Russian only and are what the user sees.
    class ParseError : public std::exception {
    public:
        enum class Case { invalidBase64, invalidProtobuf, unknownWireType, unexpectedEndOfData };

        explicit ParseError(Case errorCase) noexcept : case_(errorCase) {}

        Case errorCase() const noexcept { return case_; }
        const char* errorDescription() const noexcept;
        const char* what() const noexcept override { return errorDescription(); }

        bool operator==(const ParseError& other) const noexcept { return case_ == other.case_; }

    private:
        Case case_;
    };

    // Both throw ParseError; nothing is returned in part.
    static MigrationResult parse(std::string_view uri);
    static MigrationResult parse(std::span<const std::uint8_t> data);
};

}  // namespace quorbit
