#include "lib/PBKDF2.h"

#include "domain/QuorbitError.h"
#include "lib/Hmac.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <array>
#include <vector>

namespace quorbit {
namespace {

constexpr std::size_t blockSize = Hmac::digestSize(Hmac::Hash::sha256);
using Digest = std::array<std::uint8_t, Hmac::maxDigestSize>;

// T_i = U_1 xor ... xor U_c, with U_1 = PRF(P, S || INT(i)) and U_j = PRF(P, U_{j-1}).
void deriveBlock(const Hmac& prf, std::span<const std::uint8_t> saltAndIndex, int iterations, Digest& block) {
    Digest previous{};
    prf.compute(saltAndIndex, previous);
    block = previous;
    for (int j = 2; j <= iterations; ++j) {
        prf.compute(std::span(previous.data(), blockSize), previous);
        for (std::size_t k = 0; k < blockSize; ++k) block[k] ^= previous[k];
    }
    OPENSSL_cleanse(previous.data(), previous.size());
}

void writeIndex(std::uint32_t index, std::span<std::uint8_t, 4> out) {
    for (std::size_t i = out.size(); i-- > 0; index >>= 8) out[i] = static_cast<std::uint8_t>(index);
}

}  // namespace

SecretBytes PBKDF2::deriveKey(std::span<const std::uint8_t> password, std::span<const std::uint8_t> salt,
                              int iterations, int keyByteCount) {
    if (iterations < 1 || keyByteCount < 1) throw QuorbitError(QuorbitError::Case::wrongBackupPassword);
    const Hmac prf(Hmac::Hash::sha256, password);
    std::vector<std::uint8_t> saltAndIndex(salt.begin(), salt.end());
    saltAndIndex.resize(salt.size() + 4);
    const auto indexBytes = std::span(saltAndIndex).last<4>();

    const auto keySize = static_cast<std::size_t>(keyByteCount);
    SecretBytes key(keySize);
    Digest block{};
    for (std::size_t offset = 0, index = 1; offset < keySize; offset += blockSize, ++index) {
        writeIndex(static_cast<std::uint32_t>(index), indexBytes);
        deriveBlock(prf, saltAndIndex, iterations, block);
        std::copy_n(block.begin(), std::min(blockSize, keySize - offset), key.data() + offset);
    }
    OPENSSL_cleanse(block.data(), block.size());
    return key;
}

SecretBytes PBKDF2::deriveKey(std::string_view password, std::span<const std::uint8_t> salt, int iterations,
                              int keyByteCount) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(password.data());
    return deriveKey(std::span(bytes, password.size()), salt, iterations, keyByteCount);
}

}  // namespace quorbit
