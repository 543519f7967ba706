#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

// The alphabetical sort key of each account (issuer, a blank, account name, as a collation
// key) with its id text, made once and again only when the account's names or the locale
// change, so that sorting compares bytes. Not for two threads at once.
class AccountCollationKeys {
public:
    struct Key {
        std::string collation;
        std::string idText;
    };

    // Drops every key when the locale changed since the last call.
    void followLocale();
    // Stays valid until the next followLocale() or forgetAbsent().
    const Key& keyFor(const OtpAccount& account);
    // Keys of accounts no longer listed are dropped once they outnumber the list.
    void forgetAbsent(const std::vector<OtpAccount>& accounts);

private:
    struct Entry {
        std::string issuer;
        std::string accountName;
        Key key;
    };

    std::unordered_map<Uuid, Entry> entries_;
    std::string locale_;
};

}  // namespace quorbit
