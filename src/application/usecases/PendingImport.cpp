#include "application/usecases/PendingImport.h"

#include <utility>

#include "application/usecases/AccountIdentityIndex.h"
#include "domain/QuorbitError.h"

namespace quorbit {

PendingImport::PendingImport(std::vector<Entry> entries, WhenTaken whenTaken)
    : entries_(std::move(entries)), whenTaken_(whenTaken) {}

void PendingImport::writeSecrets(SecretStore& store, const std::function<bool()>& stop) {
    while (written_ < entries_.size() && !(stop && stop())) {
        const Entry& entry = entries_[written_];
        store.saveSecret(entry.secret, entry.account.secretRef);
        ++written_;
    }
}

std::vector<OtpAccount> PendingImport::commit(TokenRepository& repository, SecretStore& store) {
    std::vector<const Entry*> skipped;
    try {
        std::vector<OtpAccount> accounts = repository.loadAccounts();
        std::vector<OtpAccount> added = mergeInto(accounts, skipped);
        repository.saveAccounts(accounts);
        for (const Entry* entry : skipped) {
            try {
                store.deleteSecret(entry->account.secretRef);
            } catch (...) {
            }
        }
        written_ = 0;
        return added;
    } catch (...) {
        discard(store);
        throw;
    }
}

// Other work may have changed the list since the import was checked, so the check is made
// again against the list that is saved.
std::vector<OtpAccount> PendingImport::mergeInto(std::vector<OtpAccount>& accounts,
                                                 std::vector<const Entry*>& skipped) const {
    AccountIdentityIndex index(accounts);
    std::vector<OtpAccount> added;
    accounts.reserve(accounts.size() + entries_.size());
    for (const Entry& entry : entries_) {
        if (index.holdsAccountNamed(entry.matchIssuer, entry.matchAccountName)) {
            if (whenTaken_ == WhenTaken::fail) throw QuorbitError(QuorbitError::Case::duplicateAccount);
            skipped.push_back(&entry);
            continue;
        }
        OtpAccount account = entry.account;
        if (index.holdsId(account.id)) account.id = Uuid::random();
        index.add(account);
        accounts.push_back(account);
        added.push_back(std::move(account));
    }
    return added;
}

void PendingImport::discard(SecretStore& store) noexcept {
    for (; written_ > 0; --written_) {
        try {
            store.deleteSecret(entries_[written_ - 1].account.secretRef);
        } catch (...) {
        }
    }
}

std::vector<OtpAccount> PendingImport::storeAll(TokenRepository& repository, SecretStore& store) {
    try {
        writeSecrets(store, {});
    } catch (...) {
        discard(store);
        throw;
    }
    return commit(repository, store);
}

}  // namespace quorbit
