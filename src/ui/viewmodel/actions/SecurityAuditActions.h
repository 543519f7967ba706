#pragma once

#include <optional>
#include <vector>

#include <qcoro/qcorotask.h>

#include "domain/SecurityAuditIssue.h"

namespace quorbit {

class ActionContext;

// Runs the security audit and ignores findings.
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

private:
    QCoro::Task<std::vector<SecurityAuditIssue>> auditUnlocked();

    ActionContext& context_;
};

}  // namespace quorbit
