#include "ui/viewmodel/LifecycleActions.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

LifecycleActions::LifecycleActions(ActionContext& context) : context_(context) {}

QCoro::Task<> LifecycleActions::performLifecycleAction(DataLifecycleAction /*action*/, std::set<Uuid> /*accountIds*/) {
    co_return;
}

void LifecycleActions::openDiagnostics() {
}

}  // namespace quorbit
