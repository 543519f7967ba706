#pragma once

#include <qcoro/qcorotask.h>

#include "domain/OtpAccount.h"

namespace quorbit {

class ActionContext;

// Favourite, HOTP advance, trash, restore and permanent deletion of one account.
class AccountActions {
public:
    explicit AccountActions(ActionContext& context);

    QCoro::Task<> toggleFavorite(OtpAccount account);
    QCoro::Task<> advanceHotpCounter(OtpAccount account);
    QCoro::Task<> moveToTrash(OtpAccount account);
    QCoro::Task<> restore(OtpAccount account);
    QCoro::Task<> deletePermanently(OtpAccount account);

private:
    ActionContext& context_;
};

}  // namespace quorbit
