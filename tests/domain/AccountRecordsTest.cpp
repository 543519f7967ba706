#include <gtest/gtest.h>

#include <unordered_set>

#include "domain/GoogleAuthAccount.h"
#include "domain/OtpAlgorithm.h"
#include "domain/OtpSecretRef.h"
#include "domain/OtpType.h"

namespace quorbit {
namespace {

TEST(OtpEnumerationRawValues, RoundTripAndMatchCaseSensitively) {
    for (OtpType type : allOtpTypes) EXPECT_EQ(otpTypeFromRawValue(rawValue(type)), type);
    for (OtpAlgorithm algorithm : allOtpAlgorithms) EXPECT_EQ(otpAlgorithmFromRawValue(rawValue(algorithm)), algorithm);
    for (const char* raw : {"totp", "Totp", "hotp", " TOTP", ""}) {
        EXPECT_EQ(otpTypeFromRawValue(raw), std::nullopt) << raw;
    }
    for (const char* raw : {"sha1", "Sha256", "SHA-512", "MD5"}) {
        EXPECT_EQ(otpAlgorithmFromRawValue(raw), std::nullopt) << raw;
    }
}

TEST(OtpSecretRefIdentity, HashesAndComparesByRawValue) {
    const std::unordered_set<OtpSecretRef> refs{{"a"}, {"a"}, {"b"}};
    EXPECT_EQ(refs.size(), 2u);
}

TEST(GoogleAuthAccountImport, NeedsASecretAndSixToEightDigits) {
    const struct {
        SecretBytes secret;
        int digits;
        bool valid;
    } cases[] = {{{}, 6, false},    {{0x01}, 5, false}, {{0x01}, 9, false},
                 {{0x01}, 6, true}, {{0x01}, 7, true},  {{0x01}, 8, true}};
    for (const auto& c : cases) {
        GoogleAuthAccount account;
        account.secret = c.secret;
        account.digits = c.digits;
        EXPECT_EQ(account.isValidForImport(), c.valid) << "digits " << c.digits << ", " << c.secret.size() << " bytes";
    }
}

}  // namespace
}  // namespace quorbit
