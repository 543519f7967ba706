#include "application/usecases/GoogleAuthImportUseCase.h"

#include <algorithm>

#include "application/usecases/AddToken.h"
#include "domain/UnicodeText.h"

namespace quorbit {

GoogleAuthImportUseCase::GoogleAuthImportUseCase(TokenRepository& repository, SecretStore& secretStore,
                                                 const Base32Decoding& decoder, const Base32Encoding& encoder,
                                                 const Clock& clock, const OtpAuthParsing& parser)
    : repository_(repository), secretStore_(secretStore), decoder_(decoder), encoder_(encoder), clock_(clock),
      parser_(parser) {}

std::vector<OtpAccount> GoogleAuthImportUseCase::execute(const std::vector<GoogleAuthAccount>& accounts,
                                                         const std::optional<std::set<int>>& selectedIndices) const {
    const std::vector<OtpAccount> stored = repository_.loadAccounts();
    const AddToken addToken(repository_, secretStore_, decoder_, clock_);
    std::vector<OtpAccount> added;
    for (const std::size_t index : indicesToImport(accounts.size(), selectedIndices)) {
        const GoogleAuthAccount& entry = accounts[index];
        if (!entry.isValidForImport() || isStored(stored, entry)) continue;
        added.push_back(addToken.execute(draftFor(entry)));
    }
    return added;
}

std::vector<std::size_t> GoogleAuthImportUseCase::indicesToImport(std::size_t count,
                                                                  const std::optional<std::set<int>>& selected) {
    std::vector<std::size_t> indices;
    if (!selected) {
        for (std::size_t index = 0; index < count; ++index) indices.push_back(index);
        return indices;
    }
    for (const int index : *selected) {  // a set is already in ascending order
        if (index >= 0 && static_cast<std::size_t>(index) < count) indices.push_back(static_cast<std::size_t>(index));
    }
    return indices;
}

bool GoogleAuthImportUseCase::isStored(const std::vector<OtpAccount>& stored, const GoogleAuthAccount& entry) {
    return std::ranges::any_of(stored, [&](const OtpAccount& account) {
        return UnicodeText::canonicallyEquals(account.issuer, entry.issuer) &&
               UnicodeText::canonicallyEquals(account.accountName, entry.name);
    });
}

TokenDraft GoogleAuthImportUseCase::draftFor(const GoogleAuthAccount& entry) const {
    TokenDraft draft;
    draft.issuer = entry.issuer;
    draft.accountName = entry.name;
    draft.secretBase32 = encoder_.encode(entry.secret.view());
    draft.type = entry.type;
    draft.algorithm = entry.algorithm;
    draft.digits = entry.digits;
    draft.period = 30;
    draft.hotpCounter = std::max<std::int64_t>(entry.counter.value_or(0), 0);
    return draft;
}

}  // namespace quorbit
