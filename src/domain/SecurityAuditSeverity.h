#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

// Declared info, warning, critical; ordered by rank so that an ascending sort puts critical first.
enum class SecurityAuditSeverity { info, warning, critical };

inline constexpr std::array<SecurityAuditSeverity, 3> allSecurityAuditSeverities{
    SecurityAuditSeverity::info, SecurityAuditSeverity::warning, SecurityAuditSeverity::critical};

constexpr int sortRank(SecurityAuditSeverity severity) {
    switch (severity) {
    case SecurityAuditSeverity::critical: return 0;
    case SecurityAuditSeverity::warning: return 1;
    case SecurityAuditSeverity::info: return 2;
    }
    return 3;
}

// Spelled out one by one: a rewritten <=> would lose to the enum's built-in comparisons.
constexpr bool operator<(SecurityAuditSeverity a, SecurityAuditSeverity b) { return sortRank(a) < sortRank(b); }
constexpr bool operator>(SecurityAuditSeverity a, SecurityAuditSeverity b) { return b < a; }
constexpr bool operator<=(SecurityAuditSeverity a, SecurityAuditSeverity b) { return !(b < a); }
constexpr bool operator>=(SecurityAuditSeverity a, SecurityAuditSeverity b) { return !(a < b); }

constexpr std::string_view rawValue(SecurityAuditSeverity severity) {
    switch (severity) {
    case SecurityAuditSeverity::info: return "info";
    case SecurityAuditSeverity::warning: return "warning";
    case SecurityAuditSeverity::critical: return "critical";
    }
    return {};
}

constexpr std::optional<SecurityAuditSeverity> securityAuditSeverityFromRawValue(std::string_view raw) {
    for (auto severity : allSecurityAuditSeverities) {
        if (rawValue(severity) == raw) return severity;
    }
    return std::nullopt;
}

}  // namespace quorbit
