#pragma once

#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"

namespace quorbit {

// Deletes every secret, trashed accounts included, then saves an empty list.
class DeleteAllTokens {
public:
    DeleteAllTokens(TokenRepository& repository, SecretStore& secretStore);

    // The first failed deletion stops: secrets deleted so far stay deleted, the list is kept.
    void execute() const;

private:
    TokenRepository& repository_;
    SecretStore& secretStore_;
};

}  // namespace quorbit
