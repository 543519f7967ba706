#pragma once

#include <string_view>
#include <vector>

#include "application/ports/Clock.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "domain/OtpAccount.h"
#include "domain/TokenDraft.h"
#include "lib/Base32Decoding.h"
#include "lib/OtpAuthParsing.h"

namespace quorbit {

// Adds the accounts of a text holding one otpauth:// URI per line (pasted, or a URI-list file).
// Format and duplicates are checked for the whole text before the first account is added.
class ImportOtpAuthText {
public:
    ImportOtpAuthText(TokenRepository& repository, SecretStore& secretStore, const OtpAuthParsing& parser,
                      const Base32Decoding& decoder, const Clock& clock);

    // The added accounts in line order. Throws invalidTokenURI for a text without URI lines or
    // with any other non-blank line, the parser's error, duplicateAccount (within the text or
    // against an account outside the trash), all with nothing added. A line that fails while
    // being added stops the import; the accounts of the lines before it stay.
    std::vector<OtpAccount> execute(std::string_view text) const;

private:
    std::vector<TokenDraft> parseDrafts(std::string_view text) const;
    void validateNoDuplicates(const std::vector<TokenDraft>& drafts) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const OtpAuthParsing& parser_;
    const Base32Decoding& decoder_;
    const Clock& clock_;
};

}  // namespace quorbit
