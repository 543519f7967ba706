#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <qcoro/qcorotask.h>

#include "domain/OtpAccount.h"
#include "domain/SecurityEventKind.h"

namespace quorbit {

class ActionContext;
struct QuorbitViewModelPorts;

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
    // What sets one action apart; the frame around it is the same for all five.
    struct Action {
        std::function<void(const QuorbitViewModelPorts&)> useCase;
        std::optional<std::pair<std::string_view, std::string_view>> status;  // English, Russian
        std::optional<std::pair<SecurityEventKind, std::string>> event;
        // Deletes the account with its secret: asks for the owner first when locked, and the
        // cached secret goes with it.
        bool deletesAccount = false;
    };

    QCoro::Task<> perform(OtpAccount account, Action action);

    ActionContext& context_;
};

}  // namespace quorbit
