#pragma once

#include <set>
#include <string>
#include <string_view>

#include "lib/OtpAuthParsing.h"

namespace quorbit {

// The otpauth:// reader and writer. It only reads and fills defaults; whether a draft makes a
// usable account is decided when the account is added.
class OtpAuthURIParser final : public OtpAuthParsing {
public:
    // Lower-case host names accepted as the OTP type.
    explicit OtpAuthURIParser(std::set<std::string> allowedTypes = {"totp", "hotp"});

    const std::set<std::string>& allowedTypes() const noexcept { return allowedTypes_; }

    TokenDraft parse(std::string_view text) const override;
    SecretBytes makeURI(const OtpAccount& account, std::string_view secretBase32) const override;

private:
    std::set<std::string> allowedTypes_;
};

}  // namespace quorbit
