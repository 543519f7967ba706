#pragma once

#include <set>
#include <string>
#include <string_view>

#include <qcoro/qcorotask.h>

#include "application/services/DataLifecycleAction.h"
#include "domain/Uuid.h"

namespace quorbit {

class ActionContext;

// Bulk actions of the data lifecycle window and the diagnostics folder.
class LifecycleActions {
public:
    // Accounts unused this long count as stale, as the lifecycle window shows them.
    static constexpr int unusedThresholdDays = 180;

    explicit LifecycleActions(ActionContext& context);

    QCoro::Task<> performLifecycleAction(DataLifecycleAction action, std::set<Uuid> accountIds);
    void openDiagnostics();

private:
    QCoro::Task<> recordEvents(const DataLifecycleAction& action, const std::set<Uuid>& accountIds);
    QCoro::Task<> recordBulkEvent(std::string message);
    std::string text(std::string_view english, std::string_view russian) const;

    ActionContext& context_;
};

}  // namespace quorbit
