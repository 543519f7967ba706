#pragma once

#include <cstddef>

#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"

namespace quorbit {

// Removes the secrets that no account refers to, trashed or not: an add writes the secret
// before the list, so a crash or a killed import between the two leaves one behind. Run at
// start, only on a list that loaded cleanly and has no copy set aside, whose accounts might
// still need their secrets.
class RemoveOrphanedSecrets {
public:
    RemoveOrphanedSecrets(TokenRepository& repository, SecretStore& secretStore);

    // The number of secrets removed. Throws what the repository or the store threw; a list that
    // cannot be loaded removes nothing.
    std::size_t execute() const;

private:
    TokenRepository& repository_;
    SecretStore& secretStore_;
};

}  // namespace quorbit
