#pragma once

#include <optional>
#include <set>
#include <vector>

#include "application/ports/Clock.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "domain/GoogleAuthAccount.h"
#include "domain/OtpAccount.h"
#include "domain/TokenDraft.h"
#include "lib/Base32Decoding.h"
#include "lib/Base32Encoding.h"
#include "lib/OtpAuthParsing.h"

namespace quorbit {

// Stores the accounts of a migration payload the user ticked, each through the ordinary add.
class GoogleAuthImportUseCase {
public:
    GoogleAuthImportUseCase(TokenRepository& repository, SecretStore& secretStore, const Base32Decoding& decoder,
                            const Base32Encoding& encoder, const Clock& clock, const OtpAuthParsing& parser);

    // The accounts added, in index order; no selection means every entry. Entries unfit for
    // import, indices out of range and entries whose issuer and name exactly repeat a stored
    // account (trashed ones included) are skipped silently. An error of the add ends the run
    // at that entry; the accounts added before it stay.
    std::vector<OtpAccount> execute(const std::vector<GoogleAuthAccount>& accounts,
                                    const std::optional<std::set<int>>& selectedIndices) const;

private:
    static std::vector<std::size_t> indicesToImport(std::size_t count, const std::optional<std::set<int>>& selected);
    static bool isStored(const std::vector<OtpAccount>& stored, const GoogleAuthAccount& entry);
    TokenDraft draftFor(const GoogleAuthAccount& entry) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Base32Decoding& decoder_;
    const Base32Encoding& encoder_;
    const Clock& clock_;
    [[maybe_unused]] const OtpAuthParsing& parser_;  // kept with the other ports; this operation reads no URIs
};

}  // namespace quorbit
