#pragma once

#include <optional>
#include <vector>

#include <qcoro/qcorotask.h>

#include "domain/SecurityAuditIssue.h"
#include "domain/SecurityEvent.h"

namespace quorbit {

class ActionContext;

// Runs the security audit, ignores findings, and reads and clears the security log.
class SecurityAuditActions {
public:
    // Accounts unused this long are reported as stale.
    static constexpr int longUnusedThresholdDays = 180;

    explicit SecurityAuditActions(ActionContext& context);

    // The findings that are not ignored, most severe first. The audit reads secrets, so a
    // locked vault is opened (and its list loaded) first; when that is refused or fails, the
    // audit did not run: nothing is returned and the error shows in the status line.
    QCoro::Task<std::optional<std::vector<SecurityAuditIssue>>> runSecurityAudit();
    // A finding whose ignore could not be stored will come back: the status line says so.
    QCoro::Task<> ignoreSecurityIssue(SecurityAuditIssue issue);

    // The stored log, newest first.
    QCoro::Task<std::vector<SecurityEvent>> loadSecurityEvents();
    // Clearing cannot report a failure: read the log back to see what is stored.
    QCoro::Task<> clearSecurityLog();

private:
    QCoro::Task<std::vector<SecurityAuditIssue>> auditUnlocked();

    ActionContext& context_;
};

}  // namespace quorbit
