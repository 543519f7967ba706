#pragma once

#include <string>

#include "domain/OtpAccount.h"
#include "domain/SecretBytes.h"
#include "domain/TimePoint.h"
#include "lib/PreparedOtpKey.h"
#include "lib/TotpGenerating.h"

namespace quorbit {

// The code an account shows at `now`: TOTP from the whole periods since 1970, HOTP from the
// stored counter. Throws invalidSecret when its settings make no code (digits outside 6...8,
// a TOTP period below 1, a negative counter, a time before 1970) or the secret is empty.
std::string currentCode(const TotpGenerating& generator, const OtpAccount& account, const SecretBytes& secret,
                        TimePoint now);

// The same, from a key prepared for the account's algorithm, under the same checks.
std::string currentCode(const TotpGenerating& generator, const OtpAccount& account, const PreparedOtpKey& key,
                        TimePoint now);

}  // namespace quorbit
