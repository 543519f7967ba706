#pragma once

#include "application/ports/KeyringClient.h"

namespace quorbit {

// Keyring items in the Secret Service's default collection through libsecret's blocking API,
// as binary secrets with the attributes `service` and `account`. Each call opens its own
// connection to the service, so any thread may call at any time; never call it on the GUI
// thread, since an unlock prompt blocks until the user answers. Locked collections and items
// are unlocked through the service's own prompt. The synchronizable flag has no effect here.
class SecretServiceClient final : public KeyringClient {
public:
    void save(const std::string& service, const std::string& account, const SecretBytes& data,
              bool synchronizable) override;
    SecretBytes load(const std::string& service, const std::string& account) override;
    void remove(const std::string& service, const std::string& account) override;
    // One search per account for its item's path, one unlock of the locked ones, then one
    // fetch of every secret: no item object is made.
    std::map<std::string, SecretBytes> loadMany(const std::string& service,
                                                const std::vector<std::string>& accounts) override;
    std::vector<std::string> unlockedAccounts(const std::string& service) override;
};

}  // namespace quorbit
