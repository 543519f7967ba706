#include "ui/viewmodel/SecurityAuditActions.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

SecurityAuditActions::SecurityAuditActions(ActionContext& context) : context_(context) {}

QCoro::Task<std::vector<SecurityAuditIssue>> SecurityAuditActions::runSecurityAudit() {
    co_return std::vector<SecurityAuditIssue>{};
}

QCoro::Task<> SecurityAuditActions::ignoreSecurityIssue(SecurityAuditIssue /*issue*/) {
    co_return;
}

}  // namespace quorbit
