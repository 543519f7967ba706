#pragma once

#include <string>
#include <vector>

namespace quorbit {

// The one normalisation rule of tag lists, applied to every tag list that enters the system.
struct AccountTags {
    AccountTags() = delete;

    // Trims each tag, drops empty ones and later spellings of an already seen tag (compared
    // lower-cased), then sorts stably with the current locale's case-insensitive collation.
    static std::vector<std::string> normalize(const std::vector<std::string>& tags);
};

}  // namespace quorbit
