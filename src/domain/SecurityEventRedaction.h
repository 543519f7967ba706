#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quorbit {

// Keeps secrets out of the event log: every otpauth:// tail of a text, and the values of
// metadata keys that name a secret, password or code.
class SecurityEventRedaction {
public:
    SecurityEventRedaction() = delete;

    static constexpr std::string_view redacted = "***REDACTED***";

    // From the first "otpauth://" (any letter case) to the end becomes "otpauth://***REDACTED***".
    static std::string sanitized(std::string_view text);
    // Keys stay; values of keys containing "secret", "password" or "code" (any case) are
    // replaced, the others sanitised.
    static std::map<std::string, std::string> redactedMetadata(const std::map<std::string, std::string>& metadata);
};

}  // namespace quorbit
