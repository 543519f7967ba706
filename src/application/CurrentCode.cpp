#include "application/CurrentCode.h"

#include "application/usecases/OtpSettingsRule.h"
#include "domain/QuorbitError.h"

namespace quorbit {

std::string currentCode(const TotpGenerating& generator, const OtpAccount& account, const SecretBytes& secret,
                        TimePoint now) {
    // Checked here: a stored digit count wider than int must not wrap into a usable one.
    if (!OtpSettingsRule::isUsable(account.type, account.digits, account.period)) {
        throw QuorbitError(QuorbitError::Case::invalidSecret);
    }
    const int digits = static_cast<int>(account.digits);
    if (account.type == OtpType::hotp) {
        return generator.hotpCode(secret, account.algorithm, digits, account.hotpCounter);
    }
    return generator.totpCode(secret, account.algorithm, digits, account.period, now);
}

}  // namespace quorbit
