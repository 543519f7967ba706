#include "ui/viewmodel/AccountActions.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

AccountActions::AccountActions(ActionContext& context) : context_(context) {}

QCoro::Task<> AccountActions::toggleFavorite(OtpAccount /*account*/) {
    co_return;
}

QCoro::Task<> AccountActions::advanceHotpCounter(OtpAccount /*account*/) {
    co_return;
}

QCoro::Task<> AccountActions::moveToTrash(OtpAccount /*account*/) {
    co_return;
}

QCoro::Task<> AccountActions::restore(OtpAccount /*account*/) {
    co_return;
}

QCoro::Task<> AccountActions::deletePermanently(OtpAccount /*account*/) {
    co_return;
}

}  // namespace quorbit
