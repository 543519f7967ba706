#include "application/usecases/UpdateAccountOtpSettings.h"

#include <algorithm>

#include "application/usecases/AccountChange.h"
#include "application/usecases/OtpSettingsRule.h"
#include "domain/QuorbitError.h"

namespace quorbit {

UpdateAccountOtpSettings::UpdateAccountOtpSettings(TokenRepository& repository, const Clock& clock)
    : repository_(repository), clock_(clock) {}

OtpAccount UpdateAccountOtpSettings::execute(const Uuid& accountID, const OtpSettingsDraft& settings) const {
    if (!OtpSettingsRule::isUsable(settings.type, settings.digits, settings.period)) {
        throw QuorbitError(QuorbitError::Case::invalidSecret);
    }
    return AccountChange(repository_).apply(accountID, [&](OtpAccount& account) {
        account.type = settings.type;
        account.algorithm = settings.algorithm;
        account.digits = settings.digits;
        account.period = settings.period;
        account.hotpCounter = std::max<std::int64_t>(settings.hotpCounter, 0);
        account.tags = settings.tags;
        account.updatedAt = clock_.now();
    });
}

}  // namespace quorbit
