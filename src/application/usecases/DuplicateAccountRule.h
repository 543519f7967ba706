#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/OtpAccount.h"

namespace quorbit {

// The one "same account" rule: issuer and account name equal under full, locale-independent
// case folding ("Straße" is "STRASSE"). Accounts in the trash never count.
class DuplicateAccountRule {
public:
    DuplicateAccountRule() = delete;

    // Equal keys exactly when the names are the same account by this rule; for sets and maps.
    static std::string identityKey(std::string_view issuer, std::string_view accountName);

    // The stored values are compared as they are, untrimmed.
    static bool matchesAccountOutsideTrash(const std::vector<OtpAccount>& accounts, std::string_view issuer,
                                           std::string_view accountName);
};

}  // namespace quorbit
