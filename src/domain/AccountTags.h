#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorbit {

// The one normalisation rule of tag lists, applied to every tag list that enters the system.
struct AccountTags {
    AccountTags() = delete;

    // Trims each tag, drops empty ones and later spellings of an already seen tag (see
    // sameTag), then sorts stably with the current locale's case-insensitive collation.
    static std::vector<std::string> normalize(std::vector<std::string> tags);

    // The one tag equality: equal under full, locale-independent case folding, untrimmed.
    static bool sameTag(std::string_view a, std::string_view b);
};

}  // namespace quorbit
