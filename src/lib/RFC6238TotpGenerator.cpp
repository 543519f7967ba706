#include "lib/RFC6238TotpGenerator.h"

#include "domain/QuorbitError.h"
#include "lib/Hmac.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>

namespace quorbit {
namespace {

constexpr std::array<std::uint32_t, 9> powersOfTen{1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

[[noreturn]] void failInvalidSecret() { throw QuorbitError(QuorbitError::Case::invalidSecret); }

std::array<std::uint8_t, 8> bigEndian(std::uint64_t counter) {
    std::array<std::uint8_t, 8> bytes{};
    for (std::size_t i = bytes.size(); i-- > 0; counter >>= 8) bytes[i] = static_cast<std::uint8_t>(counter);
    return bytes;
}

std::uint32_t truncate(std::span<const std::uint8_t> mac) {
    const std::size_t offset = mac.back() & 0x0Fu;
    return (static_cast<std::uint32_t>(mac[offset] & 0x7Fu) << 24) |
           (static_cast<std::uint32_t>(mac[offset + 1]) << 16) | (static_cast<std::uint32_t>(mac[offset + 2]) << 8) |
           static_cast<std::uint32_t>(mac[offset + 3]);
}

std::string zeroPadded(std::uint32_t code, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (auto it = text.rbegin(); code > 0; ++it, code /= 10) *it = static_cast<char>('0' + code % 10);
    return text;
}

std::int64_t wholeSecondsSinceEpoch(TimePoint date) {
    return std::chrono::duration_cast<std::chrono::seconds>(date.time_since_epoch()).count();
}

}  // namespace

PreparedOtpKey RFC6238TotpGenerator::prepareKey(const SecretBytes& secret, OtpAlgorithm algorithm) const {
    return PreparedOtpKey(secret, algorithm);
}

std::string RFC6238TotpGenerator::hotpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits,
                                           std::int64_t counter) const {
    return hotpCode(prepareKey(secret, algorithm), digits, counter);
}

std::string RFC6238TotpGenerator::totpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits,
                                           std::int64_t period, TimePoint date) const {
    return totpCode(prepareKey(secret, algorithm), digits, period, date);
}

std::string RFC6238TotpGenerator::hotpCode(const PreparedOtpKey& key, int digits, std::int64_t counter) const {
    if (digits < 6 || digits > 8 || counter < 0) failInvalidSecret();
    std::array<std::uint8_t, Hmac::maxDigestSize> mac{};
    const std::size_t size = key.hmac().compute(bigEndian(static_cast<std::uint64_t>(counter)), mac);
    const std::uint32_t value = truncate(std::span(mac.data(), size));
    OPENSSL_cleanse(mac.data(), mac.size());
    return zeroPadded(value % powersOfTen[static_cast<std::size_t>(digits)], digits);
}

std::string RFC6238TotpGenerator::totpCode(const PreparedOtpKey& key, int digits, std::int64_t period,
                                           TimePoint date) const {
    if (period < 1 || date.time_since_epoch().count() < 0) failInvalidSecret();
    // Whole periods of the truncated seconds equal the floor of the exact quotient.
    return hotpCode(key, digits, wholeSecondsSinceEpoch(date) / period);
}

int RFC6238TotpGenerator::secondsRemaining(std::int64_t period, TimePoint date) const {
    if (period < 1) return 0;
    const std::int64_t elapsed = wholeSecondsSinceEpoch(date) % period;
    // Before the epoch the periods continue backwards, so the result stays within 1 to period.
    const std::int64_t remaining = elapsed < 0 ? -elapsed : period - elapsed;
    return static_cast<int>(std::min<std::int64_t>(remaining, std::numeric_limits<int>::max()));
}

}  // namespace quorbit
