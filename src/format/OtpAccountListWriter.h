#pragma once

#include <string>
#include <vector>

#include "domain/OtpAccount.h"

namespace quorbit {

// The account list's file text, the same as its document form prints with the stores' indent,
// written in one pass: every copy of a code saves the whole list.
class OtpAccountListWriter {
public:
    static std::string text(const std::vector<OtpAccount>& accounts, int indent);
};

}  // namespace quorbit
