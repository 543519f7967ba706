#pragma once

#include <functional>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace quorbit {

class JsonValue;

// Key of an account's secret in the secret store (the keyring item's account attribute).
struct OtpSecretRef {
    std::string rawValue;

    auto operator<=>(const OtpSecretRef&) const = default;
};

// JSON form: {"rawValue": "<text>"}.
void to_json(nlohmann::json& json, const OtpSecretRef& ref);
void readJson(const JsonValue& json, OtpSecretRef& ref);

}  // namespace quorbit

template <>
struct std::hash<quorbit::OtpSecretRef> {
    std::size_t operator()(const quorbit::OtpSecretRef& ref) const noexcept {
        return std::hash<std::string>{}(ref.rawValue);
    }
};
