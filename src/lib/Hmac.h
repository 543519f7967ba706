#pragma once

#include "domain/SecretBytes.h"

#include <openssl/sha.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace quorbit {

// HMAC (RFC 2104) over OpenSSL's hash functions. The key is absorbed once at construction
// into inner and outer hash states; each message then costs only its own compressions and
// a copy of those states, with no heap allocation. The states are wiped on destruction.
class Hmac {
public:
    enum class Hash { sha1, sha256, sha512 };

    static constexpr std::size_t maxDigestSize = SHA512_DIGEST_LENGTH;
    static constexpr std::size_t digestSize(Hash hash) noexcept {
        switch (hash) {
        case Hash::sha1: return SHA_DIGEST_LENGTH;
        case Hash::sha256: return SHA256_DIGEST_LENGTH;
        case Hash::sha512: return SHA512_DIGEST_LENGTH;
        }
        return 0;
    }

    Hmac(Hash hash, std::span<const std::uint8_t> key) noexcept;
    Hmac(const Hmac&) = delete;
    Hmac& operator=(const Hmac&) = delete;
    ~Hmac();

    Hash hash() const noexcept { return hash_; }
    std::size_t size() const noexcept { return digestSize(hash_); }

    // Writes size() bytes to the front of `out` and returns that count. The message is read
    // completely before `out` is written, so the two may overlap.
    std::size_t compute(std::span<const std::uint8_t> message,
                        std::span<std::uint8_t, maxDigestSize> out) const noexcept;
    SecretBytes compute(std::span<const std::uint8_t> message) const;

private:
    union State {
        SHA_CTX sha1;
        SHA256_CTX sha256;
        SHA512_CTX sha512;
    };

    Hash hash_;
    State inner_{};
    State outer_{};
};

}  // namespace quorbit
