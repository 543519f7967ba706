// OpenSSL 3 marks the low-level hash API deprecated, yet it is the only one whose states can
// be copied without a heap allocation; the precomputed HMAC states depend on that.
#define OPENSSL_SUPPRESS_DEPRECATED

#include "lib/Hmac.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <array>

namespace quorbit {
namespace {

template <typename Context>
struct HashFunctions {
    int (*init)(Context*);
    int (*update)(Context*, const void*, std::size_t);
    int (*final)(unsigned char*, Context*);
    std::size_t blockSize;
    std::size_t digestSize;
};

constexpr HashFunctions<SHA_CTX> sha1Functions{SHA1_Init, SHA1_Update, SHA1_Final, SHA_CBLOCK, SHA_DIGEST_LENGTH};
constexpr HashFunctions<SHA256_CTX> sha256Functions{SHA256_Init, SHA256_Update, SHA256_Final, SHA256_CBLOCK,
                                                    SHA256_DIGEST_LENGTH};
constexpr HashFunctions<SHA512_CTX> sha512Functions{SHA512_Init, SHA512_Update, SHA512_Final, SHA512_CBLOCK,
                                                    SHA512_DIGEST_LENGTH};
constexpr std::size_t maxBlockSize = SHA512_CBLOCK;

template <typename Context>
void startPadded(const HashFunctions<Context>& functions, const std::array<std::uint8_t, maxBlockSize>& keyBlock,
                 std::uint8_t pad, Context& context) {
    std::array<std::uint8_t, maxBlockSize> padded{};
    for (std::size_t i = 0; i < functions.blockSize; ++i) padded[i] = keyBlock[i] ^ pad;
    functions.init(&context);
    functions.update(&context, padded.data(), functions.blockSize);
    OPENSSL_cleanse(padded.data(), functions.blockSize);
}

template <typename Context>
void absorbKey(const HashFunctions<Context>& functions, std::span<const std::uint8_t> key, Context& inner,
               Context& outer) {
    std::array<std::uint8_t, maxBlockSize> keyBlock{};
    if (key.size() > functions.blockSize) {
        Context context;
        functions.init(&context);
        functions.update(&context, key.data(), key.size());
        functions.final(keyBlock.data(), &context);
        OPENSSL_cleanse(&context, sizeof context);
    } else if (!key.empty()) {
        std::copy(key.begin(), key.end(), keyBlock.begin());
    }
    startPadded(functions, keyBlock, 0x36, inner);
    startPadded(functions, keyBlock, 0x5c, outer);
    OPENSSL_cleanse(keyBlock.data(), functions.blockSize);
}

template <typename Context>
void finish(const HashFunctions<Context>& functions, const Context& inner, const Context& outer,
            std::span<const std::uint8_t> message, std::uint8_t* out) {
    Context context = inner;
    functions.update(&context, message.data(), message.size());
    functions.final(out, &context);
    context = outer;
    functions.update(&context, out, functions.digestSize);
    functions.final(out, &context);
    OPENSSL_cleanse(&context, sizeof context);
}

template <typename Context>
void wipe(Context& inner, Context& outer) {
    OPENSSL_cleanse(&inner, sizeof inner);
    OPENSSL_cleanse(&outer, sizeof outer);
}

}  // namespace

Hmac::Hmac(Hash hash, std::span<const std::uint8_t> key) noexcept : hash_(hash) {
    switch (hash_) {
    case Hash::sha1: absorbKey(sha1Functions, key, inner_.sha1, outer_.sha1); break;
    case Hash::sha256: absorbKey(sha256Functions, key, inner_.sha256, outer_.sha256); break;
    case Hash::sha512: absorbKey(sha512Functions, key, inner_.sha512, outer_.sha512); break;
    }
}

Hmac::~Hmac() {
    switch (hash_) {
    case Hash::sha1: wipe(inner_.sha1, outer_.sha1); break;
    case Hash::sha256: wipe(inner_.sha256, outer_.sha256); break;
    case Hash::sha512: wipe(inner_.sha512, outer_.sha512); break;
    }
}

std::size_t Hmac::compute(std::span<const std::uint8_t> message,
                          std::span<std::uint8_t, maxDigestSize> out) const noexcept {
    switch (hash_) {
    case Hash::sha1: finish(sha1Functions, inner_.sha1, outer_.sha1, message, out.data()); break;
    case Hash::sha256: finish(sha256Functions, inner_.sha256, outer_.sha256, message, out.data()); break;
    case Hash::sha512: finish(sha512Functions, inner_.sha512, outer_.sha512, message, out.data()); break;
    }
    return size();
}

SecretBytes Hmac::compute(std::span<const std::uint8_t> message) const {
    std::array<std::uint8_t, maxDigestSize> digest{};
    const std::size_t written = compute(message, digest);
    SecretBytes result(std::span<const std::uint8_t>(digest.data(), written));
    OPENSSL_cleanse(digest.data(), digest.size());
    return result;
}

}  // namespace quorbit
