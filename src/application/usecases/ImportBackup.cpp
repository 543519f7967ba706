#include "application/usecases/ImportBackup.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "application/usecases/DuplicateAccountRule.h"
#include "application/usecases/OtpSettingsRule.h"
#include "domain/AccountTags.h"
#include "domain/BackupPayload.h"
#include "domain/JsonReader.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"
#include "lib/Base64Codec.h"

namespace quorbit {
namespace {

constexpr std::int64_t envelopeVersion = 1;
constexpr const char* kdfName = "PBKDF2-HMAC-SHA256";

[[noreturn]] void failCorrupted() { throw QuorbitError(QuorbitError::Case::corruptedBackup); }

bool isUsable(const BackupAccount& backup, const SecretBytes& secret) {
    return !secret.empty() && OtpSettingsRule::isUsable(backup.type, backup.digits, backup.period);
}

}  // namespace

ImportBackup::ImportBackup(TokenRepository& repository, SecretStore& secretStore, const Base32Decoding& decoder,
                           BackupCryptoService& crypto, const Clock& clock)
    : repository_(repository), secretStore_(secretStore), decoder_(decoder), crypto_(crypto), clock_(clock) {}

std::vector<std::uint8_t> ImportBackup::readBackupFile(DocumentFiles& files, const std::filesystem::path& source) {
    auto bytes = files.readWhole(source, maxFileBytes);
    if (!bytes) failCorrupted();
    return std::move(*bytes);
}

BackupInfo ImportBackup::getBackupInfo(std::span<const std::uint8_t> data, const SecretBytes& password) const {
    const BackupEnvelopeForInfo envelope = readEnvelope(data);
    requireKnownFormat(envelope);
    requireIterationsInBounds(envelope);
    const BackupPayload payload = crypto_.decrypt(data, password);
    return BackupInfo{payload.exportedAt, static_cast<std::int64_t>(payload.accounts.size()), envelope.kdf,
                      envelope.iterations, envelope.saltBytes, envelope.version};
}

// The cipher checks the envelope's bounds itself before deriving a key; parsing a large
// envelope here as well would only do that work twice.
std::vector<OtpAccount> ImportBackup::execute(std::span<const std::uint8_t> data, const SecretBytes& password) const {
    const BackupPayload payload = crypto_.decrypt(data, password);
    std::vector<OtpAccount> working = repository_.loadAccounts();
    const std::vector<PendingAccount> pending = planAdditions(payload.accounts, working);
    store(pending, working);
    std::vector<OtpAccount> added;
    for (const PendingAccount& entry : pending) added.push_back(entry.account);
    return added;
}

BackupEnvelopeForInfo ImportBackup::readEnvelope(std::span<const std::uint8_t> data) {
    if (data.size() > maxFileBytes) failCorrupted();
    try {
        const char* text = reinterpret_cast<const char*>(data.data());
        return JsonReader().decode<BackupEnvelopeForInfo>(std::string_view(text, data.size()));
    } catch (const nlohmann::json::exception&) {
        failCorrupted();
    }
}

void ImportBackup::requireIterationsInBounds(const BackupEnvelopeForInfo& envelope) {
    if (envelope.iterations < 1 || envelope.iterations > maxIterations) failCorrupted();
}

// A version we cannot read is a corrupted backup here as in the cipher, whichever its number.
void ImportBackup::requireKnownFormat(const BackupEnvelopeForInfo& envelope) {
    if (envelope.version != envelopeVersion) failCorrupted();
    if (envelope.kdf != kdfName || !Base64Codec::decode(envelope.salt)) {
        throw QuorbitError::persistenceFailure("Invalid backup format");
    }
}

// Decides every addition before anything is written, so an unusable account stops the
// import with the vault untouched. Additions join the working list at once: later backup
// accounts are checked against them too.
std::vector<ImportBackup::PendingAccount> ImportBackup::planAdditions(
    const std::vector<BackupAccount>& backupAccounts, std::vector<OtpAccount>& working) const {
    std::vector<PendingAccount> pending;
    for (const BackupAccount& backup : backupAccounts) {
        if (DuplicateAccountRule::matchesAccountOutsideTrash(working, backup.issuer, backup.accountName)) continue;
        pending.push_back(pendingAccountFor(backup, working));
        working.push_back(pending.back().account);
    }
    return pending;
}

ImportBackup::PendingAccount ImportBackup::pendingAccountFor(const BackupAccount& backup,
                                                             const std::vector<OtpAccount>& working) const {
    SecretBytes secret = decoder_.decode(backup.secretBase32.asText());
    if (!isUsable(backup, secret)) throw QuorbitError(QuorbitError::Case::invalidSecret);
    const bool idTaken = std::ranges::any_of(working, [&](const OtpAccount& account) { return account.id == backup.id; });
    OtpAccount account;
    account.id = idTaken ? Uuid::random() : backup.id;
    account.issuer = UnicodeText::trimmed(backup.issuer);
    account.accountName = UnicodeText::trimmed(backup.accountName);
    account.secretRef = OtpSecretRef{Uuid::random().toString()};
    account.type = backup.type;
    account.algorithm = backup.algorithm;
    account.digits = backup.digits;
    account.period = backup.period;
    account.hotpCounter = std::max<std::int64_t>(backup.hotpCounter, 0);
    account.createdAt = backup.createdAt;
    account.updatedAt = clock_.now();
    account.lastUsedAt = backup.lastUsedAt;
    account.isFavorite = backup.isFavorite;
    account.trashedAt = backup.trashedAt;
    account.tags = AccountTags::normalize(backup.tags);
    return PendingAccount{std::move(account), std::move(secret)};
}

// Secrets first, then the list that refers to them; on any failure the secrets of this run
// are deleted again so none is left without its account.
void ImportBackup::store(const std::vector<PendingAccount>& pending, const std::vector<OtpAccount>& working) const {
    std::size_t stored = 0;
    try {
        for (; stored < pending.size(); ++stored) {
            secretStore_.saveSecret(pending[stored].secret, pending[stored].account.secretRef);
        }
        repository_.saveAccounts(working);
    } catch (...) {
        deleteSecretsQuietly(pending, stored);
        throw;
    }
}

// The original failure is what the caller must see; a refused deletion cannot be reported
// in its place.
void ImportBackup::deleteSecretsQuietly(const std::vector<PendingAccount>& pending, std::size_t count) const noexcept {
    for (std::size_t index = 0; index < count; ++index) {
        try {
            secretStore_.deleteSecret(pending[index].account.secretRef);
        } catch (...) {
        }
    }
}

}  // namespace quorbit
