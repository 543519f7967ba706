#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "application/ports/BackupCryptoService.h"
#include "domain/SecretBytes.h"
#include "infrastructure/crypto/AesGcmCipher.h"

namespace quorbit {

// Encrypted backup files: a one-line JSON envelope (sorted keys) around the payload sealed
// with AES-256-GCM under a PBKDF2-HMAC-SHA256 key. A backup file is untrusted input, so its
// size and iteration count are bounded before any key is derived.
class EncryptedBackupCryptoService final : public BackupCryptoService {
public:
    static constexpr std::int64_t maxIterations = 10'000'000;
    static constexpr std::size_t maxFileBytes = 64u * 1024u * 1024u;
    static constexpr int minSaltBytes = 16;
    static constexpr int maxSaltBytes = 1024;

    EncryptedBackupCryptoService(int iterations, int saltBytes, int keyByteCount = 32);

    std::vector<std::uint8_t> encrypt(const BackupPayload& payload, const SecretBytes& password) override;
    BackupPayload decrypt(std::span<const std::uint8_t> data, const SecretBytes& password) override;

    int iterations() const { return iterations_; }
    int saltBytes() const { return saltBytes_; }

private:
    std::vector<std::uint8_t> envelopeBytes(std::span<const std::uint8_t> salt, const AesGcmCipher::Frame& frame,
                                            std::span<const std::uint8_t> ciphertext) const;

    int iterations_;
    int saltBytes_;
    int keyByteCount_;
};

}  // namespace quorbit
