#include "application/usecases/MoveToTrash.h"

#include "application/usecases/AccountChange.h"

namespace quorbit {

MoveToTrash::MoveToTrash(TokenRepository& repository, const Clock& clock) : repository_(repository), clock_(clock) {}

void MoveToTrash::execute(const Uuid& accountID) const {
    AccountChange(repository_).apply(accountID, [&](OtpAccount& account) {
        account.trashedAt = clock_.now();
        account.updatedAt = clock_.now();
    });
}

}  // namespace quorbit
