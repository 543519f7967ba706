#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

// The ten rules of the security audit, in declaration order.
enum class SecurityAuditIssueKind {
    duplicateAccountIdentity,
    duplicateSecretFingerprint,
    emptyIssuer,
    emptyAccountName,
    weakSecret,
    nonStandardTotpPeriod,
    hotpMayBeOutOfSync,
    untaggedAccount,
    longUnusedAccount,
    deletedAccountStillRestorable,
};

inline constexpr std::array<SecurityAuditIssueKind, 10> allSecurityAuditIssueKinds{
    SecurityAuditIssueKind::duplicateAccountIdentity,
    SecurityAuditIssueKind::duplicateSecretFingerprint,
    SecurityAuditIssueKind::emptyIssuer,
    SecurityAuditIssueKind::emptyAccountName,
    SecurityAuditIssueKind::weakSecret,
    SecurityAuditIssueKind::nonStandardTotpPeriod,
    SecurityAuditIssueKind::hotpMayBeOutOfSync,
    SecurityAuditIssueKind::untaggedAccount,
    SecurityAuditIssueKind::longUnusedAccount,
    SecurityAuditIssueKind::deletedAccountStillRestorable,
};

constexpr std::string_view rawValue(SecurityAuditIssueKind kind) {
    switch (kind) {
    case SecurityAuditIssueKind::duplicateAccountIdentity: return "duplicateAccountIdentity";
    case SecurityAuditIssueKind::duplicateSecretFingerprint: return "duplicateSecretFingerprint";
    case SecurityAuditIssueKind::emptyIssuer: return "emptyIssuer";
    case SecurityAuditIssueKind::emptyAccountName: return "emptyAccountName";
    case SecurityAuditIssueKind::weakSecret: return "weakSecret";
    case SecurityAuditIssueKind::nonStandardTotpPeriod: return "nonStandardTotpPeriod";
    case SecurityAuditIssueKind::hotpMayBeOutOfSync: return "hotpMayBeOutOfSync";
    case SecurityAuditIssueKind::untaggedAccount: return "untaggedAccount";
    case SecurityAuditIssueKind::longUnusedAccount: return "longUnusedAccount";
    case SecurityAuditIssueKind::deletedAccountStillRestorable: return "deletedAccountStillRestorable";
    }
    return {};
}

constexpr std::optional<SecurityAuditIssueKind> securityAuditIssueKindFromRawValue(std::string_view raw) {
    for (auto kind : allSecurityAuditIssueKinds) {
        if (rawValue(kind) == raw) return kind;
    }
    return std::nullopt;
}

}  // namespace quorbit
