#include "domain/SecurityEventKind.h"

namespace quorbit {

std::string_view rawValue(SecurityEventKind kind) {
    using enum SecurityEventKind;
    switch (kind) {
    case accountCreated: return "accountCreated";
    case accountUpdated: return "accountUpdated";
    case accountMovedToTrash: return "accountMovedToTrash";
    case accountRestored: return "accountRestored";
    case accountDeletedPermanently: return "accountDeletedPermanently";
    case codeCopied: return "codeCopied";
    case importPreviewCreated: return "importPreviewCreated";
    case importCompleted: return "importCompleted";
    case backupCreated: return "backupCreated";
    case backupImported: return "backupImported";
    case settingsChanged: return "settingsChanged";
    case appLocked: return "appLocked";
    case appUnlocked: return "appUnlocked";
    case securityAuditRun: return "securityAuditRun";
    case securityIssueIgnored: return "securityIssueIgnored";
    case recoveryKitCreated: return "recoveryKitCreated";
    case recoveryKitFailed: return "recoveryKitFailed";
    case dataLifecycleReviewOpened: return "dataLifecycleReviewOpened";
    case trashEmptied: return "trashEmptied";
    case bulkActionCompleted: return "bulkActionCompleted";
    case selectedAccountsExported: return "selectedAccountsExported";
    }
    return {};
}

std::optional<SecurityEventKind> securityEventKindFromRawValue(std::string_view raw) {
    for (SecurityEventKind kind : allSecurityEventKinds) {
        if (rawValue(kind) == raw) return kind;
    }
    return std::nullopt;
}

}  // namespace quorbit
