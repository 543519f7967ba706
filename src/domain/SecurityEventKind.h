#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

// The kinds of logged events; stored as their raw value (the case name).
enum class SecurityEventKind {
    accountCreated,
    accountUpdated,
    accountMovedToTrash,
    accountRestored,
    accountDeletedPermanently,
    codeCopied,
    importPreviewCreated,
    importCompleted,
    backupCreated,
    backupImported,
    settingsChanged,
    appLocked,
    appUnlocked,
    securityAuditRun,
    securityIssueIgnored,
    recoveryKitCreated,
    recoveryKitFailed,
    dataLifecycleReviewOpened,
    trashEmptied,
    bulkActionCompleted,
    selectedAccountsExported,
};

inline constexpr std::array<SecurityEventKind, 21> allSecurityEventKinds{
    SecurityEventKind::accountCreated,
    SecurityEventKind::accountUpdated,
    SecurityEventKind::accountMovedToTrash,
    SecurityEventKind::accountRestored,
    SecurityEventKind::accountDeletedPermanently,
    SecurityEventKind::codeCopied,
    SecurityEventKind::importPreviewCreated,
    SecurityEventKind::importCompleted,
    SecurityEventKind::backupCreated,
    SecurityEventKind::backupImported,
    SecurityEventKind::settingsChanged,
    SecurityEventKind::appLocked,
    SecurityEventKind::appUnlocked,
    SecurityEventKind::securityAuditRun,
    SecurityEventKind::securityIssueIgnored,
    SecurityEventKind::recoveryKitCreated,
    SecurityEventKind::recoveryKitFailed,
    SecurityEventKind::dataLifecycleReviewOpened,
    SecurityEventKind::trashEmptied,
    SecurityEventKind::bulkActionCompleted,
    SecurityEventKind::selectedAccountsExported,
};

std::string_view rawValue(SecurityEventKind kind);
std::optional<SecurityEventKind> securityEventKindFromRawValue(std::string_view raw);

}  // namespace quorbit
