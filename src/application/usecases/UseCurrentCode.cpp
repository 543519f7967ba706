#include "application/usecases/UseCurrentCode.h"

#include <limits>

#include "application/usecases/AccountChange.h"
#include "application/usecases/CurrentCode.h"
#include "domain/QuorbitError.h"

namespace quorbit {

UseCurrentCode::UseCurrentCode(TokenRepository& repository, const TotpGenerating& generator, const Clock& clock)
    : repository_(repository), generator_(generator), clock_(clock) {}

std::string UseCurrentCode::execute(const Uuid& accountID, const OtpSecretRef& secretRef,
                                    const SecretBytes& secret) const {
    std::vector<OtpAccount> accounts = repository_.loadAccounts();
    OtpAccount& account = *AccountChange::find(accounts, accountID);
    if (account.secretRef != secretRef) throw QuorbitError(QuorbitError::Case::accountNotFound);
    const bool isHotp = account.type == OtpType::hotp;
    if (isHotp && account.hotpCounter == std::numeric_limits<std::int64_t>::max()) {
        throw QuorbitError(QuorbitError::Case::invalidSecret);
    }
    const TimePoint now = clock_.now();
    std::string code = currentCode(generator_, account, secret, now);
    account.lastUsedAt = now;
    account.updatedAt = now;
    if (isHotp) ++account.hotpCounter;
    repository_.saveAccounts(accounts);
    return code;
}

}  // namespace quorbit
