#include "lib/PBKDF2.h"

#include "domain/QuorbitError.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quorbit {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string hex(const SecretBytes& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes.view()) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

SecretBytes reference(std::string_view password, std::string_view salt, int iterations, int keyByteCount) {
    SecretBytes key(static_cast<std::size_t>(keyByteCount));
    PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), bytesOf(salt).data(),
                      static_cast<int>(salt.size()), iterations, EVP_sha256(), keyByteCount, key.data());
    return key;
}

TEST(PBKDF2Test, ReproducesRfc7914Section11) {
    EXPECT_EQ(hex(PBKDF2::deriveKey("passwd", bytesOf("salt"), 1, 64)),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
              "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
    EXPECT_EQ(hex(PBKDF2::deriveKey("Password", bytesOf("NaCl"), 80000, 64)),
              "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
              "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d");
}

struct DerivationCase {
    std::string password;
    std::string salt;
    int iterations;
    int keyByteCount;
};

class PBKDF2ReferenceTest : public testing::TestWithParam<DerivationCase> {};

TEST_P(PBKDF2ReferenceTest, MatchesOpenSsl) {
    const auto& [password, salt, iterations, keyByteCount] = GetParam();
    EXPECT_EQ(PBKDF2::deriveKey(password, bytesOf(salt), iterations, keyByteCount),
              reference(password, salt, iterations, keyByteCount));
}

// Passwords longer than the HMAC block are hashed first; key lengths off the 32-byte
// boundary keep only part of the last block.
INSTANTIATE_TEST_SUITE_P(Cases, PBKDF2ReferenceTest,
                         testing::Values(DerivationCase{"", "", 1, 1}, DerivationCase{"pw", "salt", 2, 31},
                                         DerivationCase{"correct horse battery staple", "0123456789abcdef", 1000, 32},
                                         DerivationCase{std::string(100, 'p'), "0123456789abcdef", 3, 33},
                                         DerivationCase{"\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C", "s", 7, 65},
                                         DerivationCase{"pw", std::string(1024, 's'), 5, 96},
                                         DerivationCase{"pw", std::string("\0salt\0", 6), 4096, 100}));

TEST(PBKDF2Test, LongerKeysExtendShorterOnes) {
    const SecretBytes shortKey = PBKDF2::deriveKey("pw", bytesOf("salt"), 10, 32);
    const SecretBytes longKey = PBKDF2::deriveKey("pw", bytesOf("salt"), 10, 33);
    ASSERT_EQ(longKey.size(), 33u);
    EXPECT_EQ(SecretBytes(longKey.view().first(32)), shortKey);
}

TEST(PBKDF2Test, RejectsIterationsOrKeyLengthBelowOne) {
    for (const auto& [iterations, keyByteCount] :
         std::vector<std::pair<int, int>>{{0, 32}, {-1, 32}, {1, 0}, {1, -1}}) {
        try {
            PBKDF2::deriveKey("pw", bytesOf("salt"), iterations, keyByteCount);
            ADD_FAILURE() << "accepted " << iterations << ", " << keyByteCount;
        } catch (const QuorbitError& error) {
            EXPECT_EQ(error.errorCase(), QuorbitError::Case::wrongBackupPassword);
        }
    }
}

}  // namespace
}  // namespace quorbit
