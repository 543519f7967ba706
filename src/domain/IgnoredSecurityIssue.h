#pragma once

#include <functional>
#include <string>

#include "domain/TimePoint.h"

namespace quorbit {

// The stored form of one ignored audit finding.
struct IgnoredSecurityIssue {
    std::string issueKey;
    TimePoint ignoredAt;

    bool operator==(const IgnoredSecurityIssue&) const = default;
};

}  // namespace quorbit

template <>
struct std::hash<quorbit::IgnoredSecurityIssue> {
    std::size_t operator()(const quorbit::IgnoredSecurityIssue& issue) const noexcept {
        return std::hash<std::string>{}(issue.issueKey) ^
               std::hash<long long>{}(issue.ignoredAt.time_since_epoch().count());
    }
};
