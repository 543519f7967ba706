#include "ui/viewmodel/actions/SecurityAuditActions.h"

#include <algorithm>
#include <utility>

#include <QPointer>

#include "application/ports/IgnoredIssuesStoring.h"
#include "application/ports/SecurityEventLogging.h"
#include "application/services/SecretFingerprintProvider.h"
#include "application/services/SecurityAuditService.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"

namespace quorbit {

SecurityAuditActions::SecurityAuditActions(ActionContext& context) : context_(context) {}

QCoro::Task<std::optional<std::vector<SecurityAuditIssue>>> SecurityAuditActions::runSecurityAudit() {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    std::vector<SecurityAuditIssue> findings;
    try {
        findings = co_await auditUnlocked();
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
        co_return std::nullopt;
    }
    if (!alive) co_return findings;
    co_await context_.recordEvent(SecurityEventKind::securityAuditRun, std::nullopt, std::nullopt,
                                  "Security audit: " + std::to_string(findings.size()) + " issues found");
    co_return findings;
}

// After a lock the list is empty until the next load, and an audit of it would find nothing.
QCoro::Task<std::vector<SecurityAuditIssue>> SecurityAuditActions::auditUnlocked() {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    if (context_.viewModel().isUnlocked()) {
        co_await context_.ensureUnlocked();
    } else {
        co_await context_.reloadThrowing();
    }
    if (!alive) co_return std::vector<SecurityAuditIssue>{};
    const QuorbitViewModelPorts& ports = context_.ports();
    auto audit = [&ports, accounts = context_.viewModel().accounts()] {
        const std::set<std::string> ignored = ports.ignoredIssuesStore.loadIgnoredKeys();
        return SecurityAuditService(ports.clock, longUnusedThresholdDays)
            .audit(accounts, SecretFingerprintProvider(ports.secretStore), ignored);
    };
    co_return co_await context_.worker().run(std::move(audit));
}

QCoro::Task<> SecurityAuditActions::ignoreSecurityIssue(SecurityAuditIssue issue) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    auto ignore = [&store = context_.ports().ignoredIssuesStore, key = issue.issueKey()] {
        std::set<std::string> keys = store.loadIgnoredKeys();
        keys.insert(key);
        store.saveIgnoredKeys(keys);
    };
    bool stored = true;
    try {
        co_await context_.worker().run(std::move(ignore));
    } catch (const std::exception&) {
        stored = false;
    }
    if (!alive) co_return;
    if (!stored) {
        context_.viewModel().setStatusMessage(
            context_.text("The ignored finding could not be saved. It will show again in the next audit.",
                          "Не удалось сохранить игнорирование. Проблема снова появится при следующей проверке."));
        co_return;
    }
    co_await context_.recordEvent(SecurityEventKind::securityIssueIgnored, std::nullopt, std::nullopt,
                                  context_.text("Ignore", "Игнорировать").toStdString());
}

QCoro::Task<std::vector<SecurityEvent>> SecurityAuditActions::loadSecurityEvents() {
    auto load = [&log = context_.ports().securityEventLogger] { return log.loadEvents(); };
    std::vector<SecurityEvent> stored = co_await context_.worker().run(std::move(load));
    std::reverse(stored.begin(), stored.end());
    co_return stored;
}

QCoro::Task<> SecurityAuditActions::clearSecurityLog() {
    auto clear = [&log = context_.ports().securityEventLogger] { log.clearEvents(); };
    co_await context_.worker().run(std::move(clear));
}

}  // namespace quorbit
