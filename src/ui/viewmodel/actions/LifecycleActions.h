#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <qcoro/qcorotask.h>

#include "application/services/DataLifecycleAction.h"
#include "application/services/DataLifecycleCategory.h"
#include "application/services/DataLifecycleStats.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

class ActionContext;

// What the data lifecycle window shows and does (counts, category lists, bulk actions) and the
// diagnostics folder.
class LifecycleActions {
public:
    // Accounts unused this long count as stale, as the lifecycle window shows them.
    static constexpr int unusedThresholdDays = 180;

    explicit LifecycleActions(ActionContext& context);

    // Read on the worker; failures are passed on.
    QCoro::Task<DataLifecycleStats> lifecycleStats();
    QCoro::Task<std::vector<OtpAccount>> lifecycleAccounts(DataLifecycleCategory category);
    // Records that the window was opened; never fails.
    QCoro::Task<> recordLifecycleReviewOpened();
    QCoro::Task<> performLifecycleAction(DataLifecycleAction action, std::set<Uuid> accountIds);
    void openDiagnostics();

private:
    QCoro::Task<> recordEvents(const DataLifecycleAction& action, const std::set<Uuid>& accountIds);
    QCoro::Task<> recordBulkEvent(std::string message);
    std::string text(std::string_view english, std::string_view russian) const;

    ActionContext& context_;
};

}  // namespace quorbit
