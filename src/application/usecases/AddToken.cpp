#include "application/usecases/AddToken.h"

#include <utility>

#include "application/usecases/DuplicateAccountRule.h"
#include "application/usecases/OtpSettingsRule.h"
#include "domain/AccountTags.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"

namespace quorbit {

AddToken::AddToken(TokenRepository& repository, SecretStore& secretStore, const Base32Decoding& decoder,
                   const Clock& clock)
    : repository_(repository), secretStore_(secretStore), decoder_(decoder), clock_(clock) {}

OtpAccount AddToken::execute(const TokenDraft& draft) const {
    const SecretBytes secret = decodeCheckedSecret(draft);
    std::vector<OtpAccount> accounts = repository_.loadAccounts();
    OtpAccount account = namedAccount(draft);
    if (DuplicateAccountRule::matchesAccountOutsideTrash(accounts, account.issuer, account.accountName)) {
        throw QuorbitError(QuorbitError::Case::duplicateAccount);
    }
    secretStore_.saveSecret(secret, account.secretRef);
    accounts.push_back(account);
    saveListOrTakeBackSecret(accounts, account.secretRef);
    return account;
}

PendingImport::Entry AddToken::prepare(const TokenDraft& draft, std::string identityKey) const {
    SecretBytes secret = decodeCheckedSecret(draft);
    return {namedAccount(draft), std::move(secret), std::move(identityKey)};
}

OtpAccount AddToken::namedAccount(const TokenDraft& draft) const {
    std::string issuer = UnicodeText::trimmed(draft.issuer);
    std::string accountName = UnicodeText::trimmed(draft.accountName);
    if (issuer.empty() && accountName.empty()) throw QuorbitError(QuorbitError::Case::invalidTokenURI);
    return makeAccount(draft, std::move(issuer), std::move(accountName));
}

// A secret that no saved account refers to would stay in the keyring for good.
void AddToken::saveListOrTakeBackSecret(const std::vector<OtpAccount>& accounts, const OtpSecretRef& written) const {
    try {
        repository_.saveAccounts(accounts);
    } catch (...) {
        try {
            secretStore_.deleteSecret(written);
        } catch (...) {
            // the save's failure is the one to report; the start-up sweep removes this secret
        }
        throw;
    }
}

SecretBytes AddToken::decodeCheckedSecret(const TokenDraft& draft) const {
    SecretBytes secret = decoder_.decode(draft.secretBase32.asText());
    const bool usable = !secret.empty() && OtpSettingsRule::isUsable(draft.type, draft.digits, draft.period) &&
                        draft.hotpCounter >= 0;
    if (!usable) throw QuorbitError(QuorbitError::Case::invalidSecret);
    return secret;
}

OtpAccount AddToken::makeAccount(const TokenDraft& draft, std::string issuer, std::string accountName) const {
    OtpAccount account;
    account.id = Uuid::random();
    account.issuer = std::move(issuer);
    account.accountName = std::move(accountName);
    account.secretRef = OtpSecretRef{Uuid::random().toString()};
    account.type = draft.type;
    account.algorithm = draft.algorithm;
    account.digits = draft.digits;
    account.period = draft.period;
    account.hotpCounter = draft.hotpCounter;
    account.createdAt = clock_.now();
    account.updatedAt = clock_.now();
    account.tags = AccountTags::normalize(draft.tags);
    return account;
}

}  // namespace quorbit
