#include "application/ports/SecretStore.h"

#include "domain/QuorbitError.h"

namespace quorbit {

std::map<OtpSecretRef, SecretBytes> SecretStore::loadSecrets(const std::vector<OtpSecretRef>& refs) {
    std::map<OtpSecretRef, SecretBytes> secrets;
    for (const OtpSecretRef& ref : refs) {
        try {
            secrets.emplace(ref, loadSecret(ref));
        } catch (const QuorbitError&) {
            // left out; the caller's own read reports it
        }
    }
    return secrets;
}

std::vector<OtpSecretRef> SecretStore::storedSecretRefs() { return {}; }

}  // namespace quorbit
