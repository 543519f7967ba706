#include "application/usecases/CurrentCode.h"

#include "application/usecases/OtpSettingsRule.h"
#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

// A stored digit count wider than int must not wrap into a usable one.
int checkedDigits(const OtpAccount& account) {
    if (!OtpSettingsRule::isUsable(account.type, account.digits, account.period)) {
        throw QuorbitError(QuorbitError::Case::invalidSecret);
    }
    return static_cast<int>(account.digits);
}

}  // namespace

std::string currentCode(const TotpGenerating& generator, const OtpAccount& account, const PreparedOtpKey& key,
                        TimePoint now) {
    const int digits = checkedDigits(account);
    if (account.type == OtpType::hotp) return generator.hotpCode(key, digits, account.hotpCounter);
    return generator.totpCode(key, digits, account.period, now);
}

std::string currentCode(const TotpGenerating& generator, const OtpAccount& account, const SecretBytes& secret,
                        TimePoint now) {
    const int digits = checkedDigits(account);
    if (account.type == OtpType::hotp) {
        return generator.hotpCode(secret, account.algorithm, digits, account.hotpCounter);
    }
    return generator.totpCode(secret, account.algorithm, digits, account.period, now);
}

}  // namespace quorbit
