#pragma once

#include <mutex>
#include <string>
#include <string_view>

#include "application/ports/KeyringClient.h"
#include "application/ports/SecretStore.h"

namespace quorbit {

// Account secrets as keyring items under `service`, keyed by the secret reference. Items that
// the earlier product kept under `legacyService` move over the first time they are read.
// Safe to call from any thread: the calls run one at a time.
class KeyringSecretStore final : public SecretStore {
public:
    KeyringSecretStore(std::string service, std::string legacyService, KeyringClient& client, bool synchronizable);

    void saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) override;
    SecretBytes loadSecret(const OtpSecretRef& ref) override;
    // One read of these items under `service`; items still under `legacyService` are left out
    // (their single read moves them).
    std::map<OtpSecretRef, SecretBytes> loadSecrets(const std::vector<OtpSecretRef>& refs) override;
    // Removes the item under both service names; a missing item is no error.
    void deleteSecret(const OtpSecretRef& ref) override;
    // The unlocked items under `service`; the earlier product's are not ours to list.
    std::vector<OtpSecretRef> storedSecretRefs() override;

private:
    SecretBytes migrateLegacySecret(const OtpSecretRef& ref);
    SecretBytes copyLegacySecret(const OtpSecretRef& ref);

    std::mutex mutex_;
    std::string service_;
    std::string legacyService_;
    KeyringClient& client_;
    bool synchronizable_;
};

}  // namespace quorbit
