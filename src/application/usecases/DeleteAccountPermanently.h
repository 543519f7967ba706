#pragma once

#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "domain/Uuid.h"

namespace quorbit {

// Removes one account, in the trash or not, and its secret. The secret goes first, so a
// failed list save leaves the account listed without its secret, never the reverse.
class DeleteAccountPermanently {
public:
    DeleteAccountPermanently(TokenRepository& repository, SecretStore& secretStore);

    // Throws accountNotFound (no secret deleted) or what a port threw.
    void execute(const Uuid& accountID) const;

private:
    TokenRepository& repository_;
    SecretStore& secretStore_;
};

}  // namespace quorbit
