#include "application/usecases/ImportBackup.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "application/usecases/AccountIdentityIndex.h"
#include "application/usecases/OtpSettingsRule.h"
#include "domain/AccountTags.h"
#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"
#include "format/BackupEnvelopeForInfoJson.h"
#include "format/JsonError.h"
#include "format/JsonReader.h"
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
    return BackupInfo{payload.exportedAt, static_cast<std::int64_t>(payload.accounts.size()),
                      envelope.kdf,       envelope.iterations,
                      envelope.saltBytes, envelope.version};
}

// The cipher checks the envelope's bounds itself before deriving a key; parsing a large
// envelope here as well would only do that work twice.
std::vector<OtpAccount> ImportBackup::execute(std::span<const std::uint8_t> data, const SecretBytes& password) const {
    return plan(data, password).storeAll(repository_, secretStore_);
}

// Decides every addition before anything is written, so an unusable account stops the
// import with the vault untouched. Additions join the index at once: later backup accounts
// are checked against them too.
PendingImport ImportBackup::plan(std::span<const std::uint8_t> data, const SecretBytes& password) const {
    const BackupPayload payload = crypto_.decrypt(data, password);
    AccountIdentityIndex working(repository_.loadAccounts());
    std::vector<PendingImport::Entry> entries;
    for (const BackupAccount& backup : payload.accounts) {
        if (working.holdsAccountNamed(backup.issuer, backup.accountName)) continue;
        entries.push_back(entryFor(backup, working));
        working.add(entries.back().account);
    }
    return PendingImport(std::move(entries), PendingImport::WhenTaken::skip);
}

BackupEnvelopeForInfo ImportBackup::readEnvelope(std::span<const std::uint8_t> data) {
    if (data.size() > maxFileBytes) failCorrupted();
    try {
        const char* text = reinterpret_cast<const char*>(data.data());
        return JsonReader().decode<BackupEnvelopeForInfo>(std::string_view(text, data.size()));
    } catch (const JsonError&) {
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

PendingImport::Entry ImportBackup::entryFor(const BackupAccount& backup, const AccountIdentityIndex& working) const {
    SecretBytes secret = decoder_.decode(backup.secretBase32.asText());
    if (!isUsable(backup, secret)) throw QuorbitError(QuorbitError::Case::invalidSecret);
    OtpAccount account;
    account.id = working.holdsId(backup.id) ? Uuid::random() : backup.id;
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
    return PendingImport::Entry{std::move(account), std::move(secret), backup.issuer, backup.accountName};
}

}  // namespace quorbit
