#include "application/usecases/RestoreAccount.h"

#include "application/usecases/AccountChange.h"

namespace quorbit {

RestoreAccount::RestoreAccount(TokenRepository& repository, const Clock& clock)
    : repository_(repository), clock_(clock) {}

void RestoreAccount::execute(const Uuid& accountID) const {
    AccountChange(repository_).apply(accountID, [&](OtpAccount& account) {
        account.trashedAt.reset();
        account.updatedAt = clock_.now();
    });
}

}  // namespace quorbit
