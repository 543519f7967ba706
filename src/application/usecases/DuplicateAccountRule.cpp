#include "application/usecases/DuplicateAccountRule.h"

#include <algorithm>

#include "domain/UnicodeText.h"

namespace quorbit {

std::string DuplicateAccountRule::identityKey(std::string_view issuer, std::string_view accountName) {
    return UnicodeText::caseFolded(issuer) + '\x1F' + UnicodeText::caseFolded(accountName);
}

bool DuplicateAccountRule::matchesAccountOutsideTrash(const std::vector<OtpAccount>& accounts, std::string_view issuer,
                                                      std::string_view accountName) {
    return std::ranges::any_of(accounts, [&](const OtpAccount& account) {
        return !account.isTrashed() && UnicodeText::caseInsensitiveEquals(issuer, account.issuer) &&
               UnicodeText::caseInsensitiveEquals(accountName, account.accountName);
    });
}

}  // namespace quorbit
