#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "domain/SecretBytes.h"

namespace quorbit {

struct BackupPayload;

// Seals a backup payload with a password and opens it again. Failures throw QuorbitError
// (wrongBackupPassword, corruptedBackup, ...). decrypt takes untrusted bytes: more than 64 MiB,
// or an iteration count outside 1 to 10,000,000, is corruptedBackup before any key is derived.
class BackupCryptoService {
public:
    virtual ~BackupCryptoService() = default;
    virtual std::vector<std::uint8_t> encrypt(const BackupPayload& payload, const SecretBytes& password) = 0;
    virtual BackupPayload decrypt(std::span<const std::uint8_t> data, const SecretBytes& password) = 0;
};

}  // namespace quorbit
