#include "application/usecases/MarkFavorite.h"

#include "application/usecases/AccountChange.h"

namespace quorbit {

MarkFavorite::MarkFavorite(TokenRepository& repository, const Clock& clock) : repository_(repository), clock_(clock) {}

void MarkFavorite::execute(const Uuid& accountID, bool isFavorite) const {
    AccountChange(repository_).apply(accountID, [&](OtpAccount& account) {
        account.isFavorite = isFavorite;
        account.updatedAt = clock_.now();
    });
}

}  // namespace quorbit
