#include "domain/AccountTags.h"

#include <algorithm>
#include <unordered_set>

#include "domain/UnicodeText.h"

namespace quorbit {

std::vector<std::string> AccountTags::normalize(const std::vector<std::string>& tags) {
    std::vector<std::string> result;
    std::unordered_set<std::string> seenKeys;
    for (const auto& tag : tags) {
        std::string trimmedTag = UnicodeText::trimmed(tag);
        if (trimmedTag.empty()) continue;
        if (!seenKeys.insert(UnicodeText::caseFolded(trimmedTag)).second) continue;
        result.push_back(std::move(trimmedTag));
    }
    std::stable_sort(result.begin(), result.end(), [](const std::string& a, const std::string& b) {
        return UnicodeText::localizedCaseInsensitiveCompare(a, b) < 0;
    });
    return result;
}

bool AccountTags::sameTag(std::string_view a, std::string_view b) { return UnicodeText::caseInsensitiveEquals(a, b); }

}  // namespace quorbit
