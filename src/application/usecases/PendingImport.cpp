#include "application/usecases/PendingImport.h"

#include <iterator>
#include <utility>

#include "application/usecases/AccountIdentityIndex.h"
#include "application/usecases/DuplicateAccountRule.h"
#include "domain/QuorbitError.h"

namespace quorbit {

PendingImport::Entry::Entry(OtpAccount added, SecretBytes itsSecret, std::string_view matchIssuer,
                            std::string_view matchAccountName)
    : Entry(std::move(added), std::move(itsSecret), DuplicateAccountRule::identityKey(matchIssuer, matchAccountName)) {}

PendingImport::Entry::Entry(OtpAccount added, SecretBytes itsSecret, std::string key)
    : account(std::move(added)), secret(std::move(itsSecret)), identityKey(std::move(key)) {}

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
        const auto listed = static_cast<std::ptrdiff_t>(accounts.size());
        mergeInto(accounts, skipped);
        repository.saveAccounts(accounts);
        std::vector<OtpAccount> added(std::make_move_iterator(accounts.begin() + listed),
                                      std::make_move_iterator(accounts.end()));
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
// again against the list that is saved. The additions go to the end of the list.
void PendingImport::mergeInto(std::vector<OtpAccount>& accounts, std::vector<const Entry*>& skipped) const {
    AccountIdentityIndex index(accounts);
    accounts.reserve(accounts.size() + entries_.size());
    for (const Entry& entry : entries_) {
        if (index.holdsIdentityKey(entry.identityKey)) {
            if (whenTaken_ == WhenTaken::fail) throw QuorbitError(QuorbitError::Case::duplicateAccount);
            skipped.push_back(&entry);
            continue;
        }
        OtpAccount& account = accounts.emplace_back(entry.account);
        if (index.holdsId(account.id)) account.id = Uuid::random();
        index.addId(account.id);
    }
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
