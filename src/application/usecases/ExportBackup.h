#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "application/ports/BackupCryptoService.h"
#include "application/ports/Clock.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "domain/BackupAccount.h"
#include "domain/OtpAccount.h"
#include "domain/SecretBytes.h"
#include "domain/Uuid.h"
#include "lib/Base32Encoding.h"

namespace quorbit {

// Seals accounts with their secrets into the bytes of an encrypted backup file.
class ExportBackup {
public:
    ExportBackup(TokenRepository& repository, SecretStore& secretStore, const Base32Encoding& encoder,
                 BackupCryptoService& crypto, const Clock& clock);

    // Without ids: every account outside the trash. With ids: exactly the accounts with those
    // ids, trashed ones included (an empty set gives a backup without accounts). Repository
    // order is kept. Port and cipher errors pass through; nothing is written.
    std::vector<std::uint8_t> execute(const SecretBytes& password,
                                      const std::optional<std::set<Uuid>>& accountIds = std::nullopt) const;

private:
    static bool isSelected(const OtpAccount& account, const std::optional<std::set<Uuid>>& accountIds);
    BackupAccount backupAccountFor(const OtpAccount& account) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Base32Encoding& encoder_;
    BackupCryptoService& crypto_;
    const Clock& clock_;
};

}  // namespace quorbit
