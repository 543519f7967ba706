#pragma once

#include <string_view>
#include <vector>

#include "domain/OtpAccount.h"

namespace quorbit {

// When a new account would repeat a stored one. Accounts in the trash never count.
class DuplicateAccountRule {
public:
    DuplicateAccountRule() = delete;

    // Issuer and account name are compared case-insensitively (locale-independent) with the
    // stored values as they are, untrimmed.
    static bool matchesAccountOutsideTrash(const std::vector<OtpAccount>& accounts, std::string_view issuer,
                                           std::string_view accountName);
};

}  // namespace quorbit
