#pragma once

#include <set>

#include <qcoro/qcorotask.h>

#include "domain/Uuid.h"
#include "application/services/DataLifecycleAction.h"

namespace quorbit {

class ActionContext;

// Bulk actions of the data lifecycle window and the diagnostics folder.
class LifecycleActions {
public:
    explicit LifecycleActions(ActionContext& context);

    QCoro::Task<> performLifecycleAction(DataLifecycleAction action, std::set<Uuid> accountIds);
    void openDiagnostics();

private:
    ActionContext& context_;
};

}  // namespace quorbit
