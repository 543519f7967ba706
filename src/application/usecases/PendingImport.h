#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "domain/OtpAccount.h"
#include "domain/SecretBytes.h"

namespace quorbit {

// The checked accounts of one import with their secrets, stored in steps so that other work
// can run between them: the secrets a slice at a time, then the list once. Until the list is
// saved, `discard` deletes every secret this import wrote, so a failure or a cancel leaves
// nothing behind.
class PendingImport {
public:
    // What an account that became the same account as one in the list meanwhile does at commit.
    enum class WhenTaken { fail, skip };

    struct Entry {
        // The names are those the same-account rule compares, as the source gave them.
        Entry(OtpAccount added, SecretBytes itsSecret, std::string_view matchIssuer, std::string_view matchAccountName);
        Entry(OtpAccount added, SecretBytes itsSecret, std::string key);

        OtpAccount account;
        SecretBytes secret;
        std::string identityKey;  // of the same-account rule
    };

    PendingImport(std::vector<Entry> entries, WhenTaken whenTaken);

    std::size_t size() const noexcept { return entries_.size(); }
    std::size_t secretsWritten() const noexcept { return written_; }
    bool allSecretsWritten() const noexcept { return written_ == entries_.size(); }

    // Writes further secrets in order until all are written or `stop` (asked before each)
    // says so. The store's error is thrown; what was written stays until `discard`.
    void writeSecrets(SecretStore& store, const std::function<bool()>& stop);
    // One load-change-save: the accounts join the list as it is now, checked again against it
    // (a taken id gets a new one; a taken name fails with duplicateAccount or is skipped, its
    // secret then deleted after the save). The entries are not checked against each other:
    // the plan that made them did that. Any failure deletes this import's secrets and is
    // thrown. The accounts added, in order.
    std::vector<OtpAccount> commit(TokenRepository& repository, SecretStore& store);
    // Deletes the secrets written so far; a refused deletion cannot be reported in place of
    // what made the import stop.
    void discard(SecretStore& store) noexcept;
    // All of it in one go, as one job.
    std::vector<OtpAccount> storeAll(TokenRepository& repository, SecretStore& store);

private:
    void mergeInto(std::vector<OtpAccount>& accounts, std::vector<const Entry*>& skipped) const;

    std::vector<Entry> entries_;
    WhenTaken whenTaken_;
    std::size_t written_ = 0;
};

}  // namespace quorbit
