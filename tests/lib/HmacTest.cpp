#include "lib/Hmac.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <array>
#include <numeric>
#include <vector>

namespace quorbit {
namespace {

std::vector<std::uint8_t> counting(std::size_t size, std::uint8_t start) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), start);
    return bytes;
}

const EVP_MD* referenceDigest(Hmac::Hash hash) {
    switch (hash) {
    case Hmac::Hash::sha1: return EVP_sha1();
    case Hmac::Hash::sha256: return EVP_sha256();
    case Hmac::Hash::sha512: return EVP_sha512();
    }
    return nullptr;
}

std::vector<std::uint8_t> referenceHmac(Hmac::Hash hash, const std::vector<std::uint8_t>& key,
                                        const std::vector<std::uint8_t>& message) {
    std::vector<std::uint8_t> out(EVP_MAX_MD_SIZE);
    unsigned int size = 0;
    // OpenSSL refuses a null key pointer even with length 0.
    const std::uint8_t noKey = 0;
    HMAC(referenceDigest(hash), key.empty() ? &noKey : key.data(), static_cast<int>(key.size()), message.data(),
         message.size(), out.data(), &size);
    out.resize(size);
    return out;
}

// Key lengths around the block sizes (64 for SHA-1/256, 128 for SHA-512) take the padded and
// the pre-hashed key paths; message lengths cross the padding boundary of one block.
TEST(HmacTest, MatchesOpenSslForEveryHashAcrossKeyAndMessageLengths) {
    for (Hmac::Hash hash : {Hmac::Hash::sha1, Hmac::Hash::sha256, Hmac::Hash::sha512}) {
        for (std::size_t keySize : {0u, 1u, 20u, 63u, 64u, 65u, 127u, 128u, 129u, 300u}) {
            const auto key = counting(keySize, 7);
            const Hmac hmac(hash, key);
            for (std::size_t messageSize : {0u, 8u, 55u, 56u, 64u, 111u, 112u, 1000u}) {
                const auto message = counting(messageSize, 200);
                const SecretBytes mac = hmac.compute(message);
                EXPECT_EQ(std::vector<std::uint8_t>(mac.data(), mac.data() + mac.size()),
                          referenceHmac(hash, key, message))
                    << "hash " << static_cast<int>(hash) << " key " << keySize << " message " << messageSize;
            }
        }
    }
}

TEST(HmacTest, RepeatedAndInPlaceComputationsReuseTheKeyedState) {
    const auto key = counting(32, 1);
    const Hmac hmac(Hmac::Hash::sha256, key);
    std::array<std::uint8_t, Hmac::maxDigestSize> chained{};
    std::vector<std::uint8_t> expected(32, 0xAB);
    std::copy(expected.begin(), expected.end(), chained.begin());
    for (int round = 0; round < 3; ++round) {
        expected = referenceHmac(Hmac::Hash::sha256, key, expected);
        EXPECT_EQ(hmac.compute(std::span(chained.data(), 32), chained), 32u);
        EXPECT_EQ(std::vector<std::uint8_t>(chained.begin(), chained.begin() + 32), expected) << "round " << round;
    }
}

}  // namespace
}  // namespace quorbit
