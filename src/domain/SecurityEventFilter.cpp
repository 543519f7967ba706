#include "domain/SecurityEventFilter.h"

namespace quorbit {

namespace {

SecurityEventFilter categoryOf(SecurityEventKind kind) {
    using enum SecurityEventKind;
    switch (kind) {
    case importPreviewCreated:
    case importCompleted:
    case backupCreated:
    case backupImported:
    case recoveryKitCreated:
    case recoveryKitFailed:
    case selectedAccountsExported: return SecurityEventFilter::importAndBackup;
    case accountCreated:
    case accountUpdated:
    case accountMovedToTrash:
    case accountRestored:
    case accountDeletedPermanently:
    case codeCopied:
    case trashEmptied:
    case bulkActionCompleted: return SecurityEventFilter::accounts;
    case appLocked:
    case appUnlocked:
    case securityAuditRun:
    case securityIssueIgnored:
    case settingsChanged:
    case dataLifecycleReviewOpened: return SecurityEventFilter::security;
    }
    return SecurityEventFilter::security;
}

}  // namespace

std::string_view rawValue(SecurityEventFilter filter) {
    switch (filter) {
    case SecurityEventFilter::all: return "all";
    case SecurityEventFilter::importAndBackup: return "importAndBackup";
    case SecurityEventFilter::accounts: return "accounts";
    case SecurityEventFilter::security: return "security";
    }
    return {};
}

std::string title(SecurityEventFilter filter, AppLanguage language) {
    switch (filter) {
    case SecurityEventFilter::all: return std::string(localized(language, "All", "Все"));
    case SecurityEventFilter::importAndBackup:
        return std::string(localized(language, "Import & Backup", "Импорт и бэкапы"));
    case SecurityEventFilter::accounts: return std::string(localized(language, "Accounts", "Аккаунты"));
    case SecurityEventFilter::security: return std::string(localized(language, "Security", "Безопасность"));
    }
    return {};
}

bool matches(SecurityEventFilter filter, SecurityEventKind kind) {
    return filter == SecurityEventFilter::all || categoryOf(kind) == filter;
}

bool matches(SecurityEventFilter filter, const SecurityEvent& event) { return matches(filter, event.kind); }

}  // namespace quorbit
