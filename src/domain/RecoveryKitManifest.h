#pragma once

#include <string>
#include <string_view>

#include "domain/TimePoint.h"

namespace quorbit {

// "manifest.json" of a Recovery Kit: which program made it, and when.
struct RecoveryKitManifest {
    static constexpr std::string_view fallbackAppVersion = "2.0.0";
    static constexpr std::string_view fallbackAppBuild = "12";

    std::string appVersion;
    std::string appBuild;
    TimePoint createdAt;

    bool operator==(const RecoveryKitManifest&) const = default;
};

}  // namespace quorbit
