#pragma once

#include <string>
#include <vector>

#include "application/ports/Clock.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "application/usecases/PendingImport.h"
#include "domain/OtpAccount.h"
#include "domain/TokenDraft.h"
#include "lib/Base32Decoding.h"

namespace quorbit {

// Adds one account: its secret goes to the secret store, then the account to the end of the list.
class AddToken {
public:
    AddToken(TokenRepository& repository, SecretStore& secretStore, const Base32Decoding& decoder, const Clock& clock);

    // Throws invalidSecret (unusable secret or numbers), invalidTokenURI (no issuer and no
    // account name), duplicateAccount, or what a port threw. A failed list save takes the
    // saved secret back out of the store.
    OtpAccount execute(const TokenDraft& draft) const;
    // The account and secret an import adds for the draft, after the same checks but the
    // duplicate one, with nothing loaded or written; `identityKey` is that of the draft's names.
    PendingImport::Entry prepare(const TokenDraft& draft, std::string identityKey) const;

private:
    OtpAccount namedAccount(const TokenDraft& draft) const;
    SecretBytes decodeCheckedSecret(const TokenDraft& draft) const;
    OtpAccount makeAccount(const TokenDraft& draft, std::string issuer, std::string accountName) const;
    void saveListOrTakeBackSecret(const std::vector<OtpAccount>& accounts, const OtpSecretRef& written) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Base32Decoding& decoder_;
    const Clock& clock_;
};

}  // namespace quorbit
