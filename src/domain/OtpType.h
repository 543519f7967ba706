#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

enum class OtpType { totp, hotp };

inline constexpr std::array<OtpType, 2> allOtpTypes{OtpType::totp, OtpType::hotp};

// Stored form: "TOTP" / "HOTP", matched case-sensitively.
constexpr std::string_view rawValue(OtpType type) { return type == OtpType::totp ? "TOTP" : "HOTP"; }

constexpr std::optional<OtpType> otpTypeFromRawValue(std::string_view raw) {
    if (raw == "TOTP") return OtpType::totp;
    if (raw == "HOTP") return OtpType::hotp;
    return std::nullopt;
}

}  // namespace quorbit
