#pragma once

#include <string>
#include <string_view>

#include "domain/OtpAccount.h"
#include "domain/TokenDraft.h"

namespace quorbit {

// Reads otpauth:// key URIs into drafts and writes accounts back out as such URIs.
class OtpAuthParsing {
public:
    virtual ~OtpAuthParsing() = default;

    // Throws QuorbitError invalidTokenURI.
    virtual TokenDraft parse(std::string_view text) const = 0;
    // Never fails. The URI holds the secret, so it comes in a wiping buffer.
    virtual SecretBytes makeURI(const OtpAccount& account, std::string_view secretBase32) const = 0;
};

}  // namespace quorbit
