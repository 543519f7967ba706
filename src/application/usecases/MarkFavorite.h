#pragma once

#include "application/ports/Clock.h"
#include "application/ports/TokenRepository.h"
#include "domain/Uuid.h"

namespace quorbit {

// Sets or clears the favourite flag of one account, stamping it also when the flag is unchanged.
class MarkFavorite {
public:
    MarkFavorite(TokenRepository& repository, const Clock& clock);

    // Throws accountNotFound or what the repository threw.
    void execute(const Uuid& accountID, bool isFavorite) const;

private:
    TokenRepository& repository_;
    const Clock& clock_;
};

}  // namespace quorbit
