#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/SecretBytes.h"

namespace quorbit {

// An absolute URI split into scheme, host, path and query items. Lenient about blanks and
// non-ASCII text, which pasted links and QR payloads carry unescaped, but it refuses control
// characters and overlong input because its input is untrusted.
struct UriComponents {
    struct QueryItem {
        std::string name;  // percent-decoded; left as written when that fails
        // Percent-decoded; absent without "=" or when decoding fails. Values carry secrets, so
        // they live in wiping buffers.
        std::optional<SecretBytes> value;

        bool operator==(const QueryItem&) const = default;
    };

    static constexpr std::size_t maxLength = 64 * 1024;

    std::string scheme;               // as written
    std::optional<std::string> host;  // percent-decoded; absent without "//"
    std::string percentEncodedPath;
    std::optional<std::vector<QueryItem>> queryItems;  // absent without "?"; split at "&"

    // No value for text without a valid scheme, with a control character, with a malformed
    // host or port, or longer than `maxLength`.
    static std::optional<UriComponents> parse(std::string_view text);

    bool operator==(const UriComponents&) const = default;
};

}  // namespace quorbit
