#pragma once

#include <vector>

#include <qcoro/qcorotask.h>

#include "domain/SecurityAuditIssue.h"

namespace quorbit {

class ActionContext;

// Runs the security audit and ignores findings.
class SecurityAuditActions {
public:
    explicit SecurityAuditActions(ActionContext& context);

    QCoro::Task<std::vector<SecurityAuditIssue>> runSecurityAudit();
    QCoro::Task<> ignoreSecurityIssue(SecurityAuditIssue issue);

private:
    ActionContext& context_;
};

}  // namespace quorbit
