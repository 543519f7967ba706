#pragma once

#include "application/ports/Clock.h"
#include "application/ports/TokenRepository.h"
#include "domain/Uuid.h"

namespace quorbit {

// Puts one account into the trash; one already there gets a fresh trash date.
class MoveToTrash {
public:
    MoveToTrash(TokenRepository& repository, const Clock& clock);

    // Throws accountNotFound or what the repository threw.
    void execute(const Uuid& accountID) const;

private:
    TokenRepository& repository_;
    const Clock& clock_;
};

}  // namespace quorbit
