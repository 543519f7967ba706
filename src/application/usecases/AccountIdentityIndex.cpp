#include "application/usecases/AccountIdentityIndex.h"

#include "application/usecases/DuplicateAccountRule.h"

namespace quorbit {

AccountIdentityIndex::AccountIdentityIndex(const std::vector<OtpAccount>& accounts) {
    keys_.reserve(accounts.size());
    ids_.reserve(accounts.size());
    for (const OtpAccount& account : accounts) add(account);
}

bool AccountIdentityIndex::holdsAccountNamed(std::string_view issuer, std::string_view accountName) const {
    return keys_.contains(DuplicateAccountRule::identityKey(issuer, accountName));
}

bool AccountIdentityIndex::holdsIdentityKey(const std::string& key) const { return keys_.contains(key); }

bool AccountIdentityIndex::holdsId(const Uuid& id) const { return ids_.contains(id); }

void AccountIdentityIndex::addId(const Uuid& id) { ids_.insert(id); }

void AccountIdentityIndex::add(const OtpAccount& account) {
    ids_.insert(account.id);
    if (!account.isTrashed()) keys_.insert(DuplicateAccountRule::identityKey(account.issuer, account.accountName));
}

}  // namespace quorbit
