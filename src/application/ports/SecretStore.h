#pragma once

#include <map>
#include <vector>

#include "domain/OtpSecretRef.h"
#include "domain/SecretBytes.h"

namespace quorbit {

// An account's secret bytes, kept under its reference. Failures throw QuorbitError
// (keychainFailure, keychainAccessDenied).
class SecretStore {
public:
    virtual ~SecretStore() = default;
    virtual void saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) = 0;
    virtual SecretBytes loadSecret(const OtpSecretRef& ref) = 0;
    virtual void deleteSecret(const OtpSecretRef& ref) = 0;
    // The secrets of the given references, read together where the store can. A secret that
    // cannot be read this way is left out; callers read it with loadSecret to learn why. A
    // store that reads them together throws when that one read fails.
    virtual std::map<OtpSecretRef, SecretBytes> loadSecrets(const std::vector<OtpSecretRef>& refs);
    // The references of the secrets the store holds that it can list without asking the user
    // (a locked keyring's are left out). A store that cannot list them lists none.
    virtual std::vector<OtpSecretRef> storedSecretRefs();
};

}  // namespace quorbit
