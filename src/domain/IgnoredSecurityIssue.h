#pragma once

#include <functional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "domain/TimePoint.h"

namespace quorbit {

class JsonValue;

// The stored form of one ignored audit finding.
struct IgnoredSecurityIssue {
    std::string issueKey;
    TimePoint ignoredAt;

    bool operator==(const IgnoredSecurityIssue&) const = default;
};

// JSON: {"issueKey": text, "ignoredAt": ISO 8601}; both keys required.
void to_json(nlohmann::json& json, const IgnoredSecurityIssue& issue);
void readJson(const JsonValue& json, IgnoredSecurityIssue& issue);

}  // namespace quorbit

template <>
struct std::hash<quorbit::IgnoredSecurityIssue> {
    std::size_t operator()(const quorbit::IgnoredSecurityIssue& issue) const noexcept {
        return std::hash<std::string>{}(issue.issueKey) ^
               std::hash<long long>{}(issue.ignoredAt.time_since_epoch().count());
    }
};
