#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorbit {

// The status codes that SecretServiceClient reports through KeyringClientError::osStatus,
// numbered as the keychain statuses that the secret store treats as refused access.
struct KeyringStatus {
    static constexpr std::int32_t interactionNotAllowed = -25308;  // locked, and no prompt possible
    static constexpr std::int32_t authFailed = -25293;             // the unlock prompt was dismissed
    static constexpr std::int32_t notAvailable = -25291;           // no Secret Service on the bus

    static bool isAccessDenied(std::int32_t status) noexcept;
    // The user-facing explanation of a status, when it has one.
    static std::optional<std::string> description(std::int32_t status);
};

}  // namespace quorbit
