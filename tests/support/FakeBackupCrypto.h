#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "application/ports/BackupCryptoService.h"
#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// Seals a payload as a numbered token and opens the token again with the same password; any
// other bytes are a corrupted backup, another password the wrong one.
class FakeBackupCrypto final : public BackupCryptoService {
public:
    std::vector<std::uint8_t> encrypt(const BackupPayload& payload, const SecretBytes& password) override {
        std::lock_guard lock(mutex_);
        sealed_.push_back({payload, password});
        const std::string token = "sealed:" + std::to_string(sealed_.size() - 1);
        return {token.begin(), token.end()};
    }
    BackupPayload decrypt(std::span<const std::uint8_t> data, const SecretBytes& password) override {
        std::lock_guard lock(mutex_);
        const std::string token(data.begin(), data.end());
        const std::string prefix = "sealed:";
        if (token.rfind(prefix, 0) != 0) throw QuorbitError(QuorbitError::Case::corruptedBackup);
        const std::size_t index = std::stoul(token.substr(prefix.size()));
        if (index >= sealed_.size()) throw QuorbitError(QuorbitError::Case::corruptedBackup);
        if (!(sealed_[index].password == password)) throw QuorbitError(QuorbitError::Case::wrongBackupPassword);
        return sealed_[index].payload;
    }

    std::vector<BackupPayload> sealedPayloads() const {
        std::lock_guard lock(mutex_);
        std::vector<BackupPayload> payloads;
        for (const auto& entry : sealed_) payloads.push_back(entry.payload);
        return payloads;
    }

private:
    struct Sealed {
        BackupPayload payload;
        SecretBytes password;
    };
    mutable std::mutex mutex_;
    std::vector<Sealed> sealed_;
};

}  // namespace quorbit::test
