#pragma once

#include <functional>
#include <string>

namespace quorbit {

// Key of an account's secret in the secret store (the keyring item's account attribute).
struct OtpSecretRef {
    std::string rawValue;

    auto operator<=>(const OtpSecretRef&) const = default;
};

}  // namespace quorbit

template <>
struct std::hash<quorbit::OtpSecretRef> {
    std::size_t operator()(const quorbit::OtpSecretRef& ref) const noexcept {
        return std::hash<std::string>{}(ref.rawValue);
    }
};
