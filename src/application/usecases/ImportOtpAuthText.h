#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "application/ports/Clock.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "application/usecases/PendingImport.h"
#include "domain/OtpAccount.h"
#include "domain/TokenDraft.h"
#include "lib/Base32Decoding.h"
#include "lib/OtpAuthParsing.h"

namespace quorbit {

// Adds the accounts of a text holding one otpauth:// URI per line (pasted, or a URI-list file).
// Every line is checked, format, duplicates and secrets, before the first account is added.
class ImportOtpAuthText {
public:
    ImportOtpAuthText(TokenRepository& repository, SecretStore& secretStore, const OtpAuthParsing& parser,
                      const Base32Decoding& decoder, const Clock& clock);

    // The added accounts in line order, all or none. Throws invalidTokenURI for a text without
    // URI lines or with any other non-blank line, the parser's error, duplicateAccount (within
    // the text or against an account outside the trash), invalidSecret or invalidTokenURI for a
    // line that makes no account; an error about one line names it (`QuorbitError::line`).
    // Failures of the ports are passed on; whatever failed, nothing stays added.
    std::vector<OtpAccount> execute(std::string_view text) const;
    // Every check of `execute`, with the list loaded once and nothing written: the accounts
    // to store, with their secrets.
    PendingImport plan(std::string_view text) const;

private:
    struct Draft {
        TokenDraft draft;
        std::size_t line;
    };

    std::vector<Draft> parseDrafts(std::string_view text) const;
    // The same-account key of each draft, in order; throws duplicateAccount naming the line.
    std::vector<std::string> identityKeysWithoutDuplicates(const std::vector<Draft>& drafts) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const OtpAuthParsing& parser_;
    const Base32Decoding& decoder_;
    const Clock& clock_;
};

}  // namespace quorbit
