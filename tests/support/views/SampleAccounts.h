#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/OtpAccount.h"
#include "domain/TimePoint.h"

namespace quorbit::test {

// The fixed moment of every picture: 2026-03-14 09:26:30 UTC.
TimePoint sampleNow();

// The accounts the pictures and view tests share, with fixed ids and dates: TOTP accounts with
// 6, 7 and 8 digits, an HOTP account, a favourite with four tags, long names, one without an
// issuer and one in the trash.
std::vector<OtpAccount> sampleAccounts();
OtpAccount sampleAccount(std::string_view issuerOrName);

// A code of the account's length, the same for every run.
std::string sampleCode(const OtpAccount& account);

}  // namespace quorbit::test
