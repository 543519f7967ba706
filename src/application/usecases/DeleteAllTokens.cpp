#include "application/usecases/DeleteAllTokens.h"

namespace quorbit {

DeleteAllTokens::DeleteAllTokens(TokenRepository& repository, SecretStore& secretStore)
    : repository_(repository), secretStore_(secretStore) {}

void DeleteAllTokens::execute() const {
    for (const OtpAccount& account : repository_.loadAccounts()) secretStore_.deleteSecret(account.secretRef);
    repository_.saveAccounts({});
}

}  // namespace quorbit
