#include "application/usecases/DeleteAccountPermanently.h"

#include "application/usecases/AccountChange.h"

namespace quorbit {

DeleteAccountPermanently::DeleteAccountPermanently(TokenRepository& repository, SecretStore& secretStore)
    : repository_(repository), secretStore_(secretStore) {}

void DeleteAccountPermanently::execute(const Uuid& accountID) const {
    std::vector<OtpAccount> accounts = repository_.loadAccounts();
    const auto account = AccountChange::find(accounts, accountID);
    secretStore_.deleteSecret(account->secretRef);
    accounts.erase(account);
    repository_.saveAccounts(accounts);
}

}  // namespace quorbit
