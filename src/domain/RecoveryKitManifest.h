#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "domain/TimePoint.h"

namespace quorbit {

class JsonValue;

// "manifest.json" of a Recovery Kit: which program made it, and when.
struct RecoveryKitManifest {
    static constexpr std::string_view fallbackAppVersion = "2.0.0";
    static constexpr std::string_view fallbackAppBuild = "12";

    std::string appVersion;
    std::string appBuild;
    TimePoint createdAt;

    bool operator==(const RecoveryKitManifest&) const = default;
};

// createdAt is a floating-point number of seconds since 2001-01-01T00:00:00Z, unlike every
// other date we write. Decoding requires all three keys.
void to_json(nlohmann::json& json, const RecoveryKitManifest& manifest);
void readJson(const JsonValue& json, RecoveryKitManifest& manifest);

}  // namespace quorbit
