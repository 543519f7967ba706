#include "application/usecases/OtpSettingsRule.h"

namespace quorbit {

bool OtpSettingsRule::isUsable(OtpType type, std::int64_t digits, std::int64_t period) {
    return digits >= 6 && digits <= 8 && (type == OtpType::hotp || period >= 1);
}

}  // namespace quorbit
