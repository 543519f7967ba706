#pragma once

#include <qcoro/qcorotask.h>

namespace quorbit {

class ActionContext;

// Deleting every account and its secret, after two confirmations.
class DeleteAllAction {
public:
    explicit DeleteAllAction(ActionContext& context);

    void deleteAllTokensWithConfirmation();

private:
    QCoro::Task<> deleteAllTokens();

    ActionContext& context_;
};

}  // namespace quorbit
