#pragma once

#include <map>
#include <string>
#include <vector>

#include "domain/SecretBytes.h"

namespace quorbit {

// Raw keyring item operations, keyed by service and account. Failures throw KeyringClientError.
class KeyringClient {
public:
    virtual ~KeyringClient() = default;
    virtual void save(const std::string& service, const std::string& account, const SecretBytes& data,
                      bool synchronizable) = 0;
    // Throws KeyringClientError::itemNotFound when there is no such item.
    virtual SecretBytes load(const std::string& service, const std::string& account) = 0;
    // A missing item is no error.
    virtual void remove(const std::string& service, const std::string& account) = 0;
    // The items of these accounts that exist under the service, keyed by account, their secrets
    // fetched together; locked ones are unlocked first. Fails as a whole, as `load` does, when
    // the items cannot be read.
    virtual std::map<std::string, SecretBytes> loadMany(const std::string& service,
                                                        const std::vector<std::string>& accounts) = 0;
    // The account of every item of the service that can be listed without asking the user:
    // items that are locked are left out, and nothing prompts.
    virtual std::vector<std::string> unlockedAccounts(const std::string& service) = 0;
};

}  // namespace quorbit
