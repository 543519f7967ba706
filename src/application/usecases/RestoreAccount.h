#pragma once

#include "application/ports/Clock.h"
#include "application/ports/TokenRepository.h"
#include "domain/Uuid.h"

namespace quorbit {

// Takes one account out of the trash.
class RestoreAccount {
public:
    RestoreAccount(TokenRepository& repository, const Clock& clock);

    // Throws accountNotFound or what the repository threw.
    void execute(const Uuid& accountID) const;

private:
    TokenRepository& repository_;
    const Clock& clock_;
};

}  // namespace quorbit
