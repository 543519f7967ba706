#include "application/usecases/RemoveOrphanedSecrets.h"

#include <set>
#include <vector>

namespace quorbit {

RemoveOrphanedSecrets::RemoveOrphanedSecrets(TokenRepository& repository, SecretStore& secretStore)
    : repository_(repository), secretStore_(secretStore) {}

std::size_t RemoveOrphanedSecrets::execute() const {
    const std::vector<OtpAccount> accounts = repository_.loadAccounts();
    if (repository_.keepsSetAsideCopies()) return 0;
    std::set<OtpSecretRef> referenced;
    for (const OtpAccount& account : accounts) referenced.insert(account.secretRef);
    std::size_t removed = 0;
    for (const OtpSecretRef& ref : secretStore_.storedSecretRefs()) {
        if (referenced.contains(ref)) continue;
        secretStore_.deleteSecret(ref);
        ++removed;
    }
    return removed;
}

}  // namespace quorbit
