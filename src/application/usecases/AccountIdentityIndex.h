#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

// The same-account keys of the accounts outside the trash and the ids of all, so an import
// checks each new account in constant time instead of walking the growing list.
class AccountIdentityIndex {
public:
    explicit AccountIdentityIndex(const std::vector<OtpAccount>& accounts);

    // By the same-account rule: an account outside the trash has these names.
    bool holdsAccountNamed(std::string_view issuer, std::string_view accountName) const;
    // The same with the rule's key of the names, made once by the caller.
    bool holdsIdentityKey(const std::string& key) const;
    bool holdsId(const Uuid& id) const;
    void add(const OtpAccount& account);
    void addId(const Uuid& id);

private:
    std::unordered_set<std::string> keys_;
    std::unordered_set<Uuid> ids_;
};

}  // namespace quorbit
