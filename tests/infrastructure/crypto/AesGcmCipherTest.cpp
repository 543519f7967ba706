#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "domain/QuorbitError.h"
#include "infrastructure/crypto/AesGcmCipher.h"
#include "support/memory/FreedMemoryWatch.h"

namespace quorbit::test {
namespace {

constexpr std::string_view plaintext = "{\"secret\":\"KRSXG5DTMVRXEZLU\"}";

// The box is filled with the plaintext before the cipher runs: when the cipher fails, the box
// goes back to the heap wiped, not holding the plaintext.
TEST(AesGcmCipherTest, AFailedSealLeavesNoPlaintextInFreedMemory) {
    const std::vector<std::uint8_t> input(plaintext.begin(), plaintext.end());
    const SecretBytes unusableKey(5);  // no AES key has five bytes
    {
        FreedMemoryWatch watch({"KRSXG5DTMVRXEZLU"});
        EXPECT_THROW(AesGcmCipher::seal(unusableKey, input), QuorbitError);
        EXPECT_EQ(watch.blocksHoldingText(), 0u);
    }
    SecretBytes key(32);
    const std::vector<std::uint8_t> sealed = AesGcmCipher::seal(key, input);  // the same text seals with a usable key
    EXPECT_EQ(sealed.size(), input.size() + AesGcmCipher::nonceSize + AesGcmCipher::tagSize);
}

}  // namespace
}  // namespace quorbit::test
