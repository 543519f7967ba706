#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "application/ports/BackupCryptoService.h"
#include "application/ports/Clock.h"
#include "application/ports/DocumentFiles.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "application/usecases/PendingImport.h"
#include "domain/BackupAccount.h"
#include "domain/BackupEnvelopeForInfo.h"
#include "domain/BackupInfo.h"
#include "domain/OtpAccount.h"
#include "domain/SecretBytes.h"
#include "lib/Base32Decoding.h"

namespace quorbit {

class AccountIdentityIndex;

// Reads an encrypted backup: its summary for the confirmation, then the merge that adds the
// backup's accounts and never changes, replaces or reorders a stored one.
class ImportBackup {
public:
    // A backup file is untrusted input; beyond these bounds it is corrupted.
    static constexpr std::size_t maxFileBytes = 64u * 1024u * 1024u;
    static constexpr std::int64_t maxIterations = 10'000'000;

    ImportBackup(TokenRepository& repository, SecretStore& secretStore, const Base32Decoding& decoder,
                 BackupCryptoService& crypto, const Clock& clock);

    // The file's bytes; corruptedBackup for a file above the size bound, found without
    // reading it whole. Read failures are the port's.
    static std::vector<std::uint8_t> readBackupFile(DocumentFiles& files, const std::filesystem::path& source);

    // Opens the payload (so it needs the password) and reports it with the envelope's plain
    // fields, saltBytes as declared. An unknown version (below 1), key derivation name or a
    // salt that is not Base64 is persistenceFailure("Invalid backup format"); bytes that are
    // not an envelope, too many of them or an iteration count out of bounds corruptedBackup,
    // before any key is derived. Cipher errors pass through.
    BackupInfo getBackupInfo(std::span<const std::uint8_t> data, const SecretBytes& password) const;

    // The accounts added, in payload order. A backup account is skipped when an account
    // outside the trash (stored, or added earlier in this run) has its issuer and account name
    // ignoring letter case. Every account to add is checked before anything is written
    // (invalidSecret); a failure after the first secret was stored deletes this run's secrets
    // again and leaves the list unchanged. The list is saved once, also when nothing was added.
    std::vector<OtpAccount> execute(std::span<const std::uint8_t> data, const SecretBytes& password) const;
    // Every check of `execute`, with the list loaded once and nothing written.
    PendingImport plan(std::span<const std::uint8_t> data, const SecretBytes& password) const;

private:
    static BackupEnvelopeForInfo readEnvelope(std::span<const std::uint8_t> data);
    static void requireIterationsInBounds(const BackupEnvelopeForInfo& envelope);
    static void requireKnownFormat(const BackupEnvelopeForInfo& envelope);
    PendingImport::Entry entryFor(const BackupAccount& backup, const AccountIdentityIndex& working) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Base32Decoding& decoder_;
    BackupCryptoService& crypto_;
    const Clock& clock_;
};

}  // namespace quorbit
