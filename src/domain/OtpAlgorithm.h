#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

enum class OtpAlgorithm { sha1, sha256, sha512 };

inline constexpr std::array<OtpAlgorithm, 3> allOtpAlgorithms{OtpAlgorithm::sha1, OtpAlgorithm::sha256,
                                                              OtpAlgorithm::sha512};

// Stored form: "SHA1" / "SHA256" / "SHA512", matched case-sensitively.
constexpr std::string_view rawValue(OtpAlgorithm algorithm) {
    switch (algorithm) {
    case OtpAlgorithm::sha1: return "SHA1";
    case OtpAlgorithm::sha256: return "SHA256";
    case OtpAlgorithm::sha512: return "SHA512";
    }
    return {};
}

constexpr std::optional<OtpAlgorithm> otpAlgorithmFromRawValue(std::string_view raw) {
    for (OtpAlgorithm algorithm : allOtpAlgorithms) {
        if (rawValue(algorithm) == raw) return algorithm;
    }
    return std::nullopt;
}

}  // namespace quorbit
