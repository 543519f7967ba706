#include "application/usecases/ExportBackup.h"

#include <algorithm>

#include "domain/AccountTags.h"
#include "domain/BackupPayload.h"

namespace quorbit {

ExportBackup::ExportBackup(TokenRepository& repository, SecretStore& secretStore, const Base32Encoding& encoder,
                           BackupCryptoService& crypto, const Clock& clock)
    : repository_(repository), secretStore_(secretStore), encoder_(encoder), crypto_(crypto), clock_(clock) {}

std::vector<std::uint8_t> ExportBackup::execute(const SecretBytes& password,
                                                const std::optional<std::set<Uuid>>& accountIds) const {
    BackupPayload payload;
    for (const OtpAccount& account : repository_.loadAccounts()) {
        if (isSelected(account, accountIds)) payload.accounts.push_back(backupAccountFor(account));
    }
    payload.exportedAt = clock_.now();
    return crypto_.encrypt(payload, password);
}

bool ExportBackup::isSelected(const OtpAccount& account, const std::optional<std::set<Uuid>>& accountIds) {
    return accountIds ? accountIds->contains(account.id) : !account.isTrashed();
}

BackupAccount ExportBackup::backupAccountFor(const OtpAccount& account) const {
    const SecretBytes secret = secretStore_.loadSecret(account.secretRef);
    BackupAccount backup;
    backup.id = account.id;
    backup.issuer = account.issuer;
    backup.accountName = account.accountName;
    backup.secretBase32 = encoder_.encode(secret.view());
    backup.type = account.type;
    backup.algorithm = account.algorithm;
    backup.digits = account.digits;
    backup.period = account.period;
    backup.hotpCounter = std::max<std::int64_t>(account.hotpCounter, 0);
    backup.createdAt = account.createdAt;
    backup.updatedAt = account.updatedAt;
    backup.lastUsedAt = account.lastUsedAt;
    backup.isFavorite = account.isFavorite;
    backup.trashedAt = account.trashedAt;
    backup.tags = AccountTags::normalize(account.tags);
    return backup;
}

}  // namespace quorbit
