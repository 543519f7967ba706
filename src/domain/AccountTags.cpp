#include "domain/AccountTags.h"

#include <algorithm>
#include <optional>
#include <span>
#include <unordered_set>

#include "domain/UnicodeText.h"

namespace quorbit {
namespace {

// Tag lists are short: up to this many tags, the work is done without the heap or a hash.
constexpr std::size_t shortList = 16;

bool isAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the case-folded keys are equal; ASCII tags, the usual ones, are compared without
// building them.
bool sameFoldedKey(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    }
    return UnicodeText::caseFolded(a) == UnicodeText::caseFolded(b);
}

// Whether a tag repeats one kept before it: a short list is searched, a long one keeps the
// folded keys in a hash set.
class RepeatCheck {
public:
    explicit RepeatCheck(std::size_t count) {
        if (count > shortList) keys_.emplace();
    }

    bool operator()(std::span<const std::string> kept, std::string_view tag) {
        if (keys_) return !keys_->insert(UnicodeText::caseFolded(tag)).second;
        return std::ranges::any_of(kept, [&](const std::string& keptTag) { return sameFoldedKey(keptTag, tag); });
    }

private:
    std::optional<std::unordered_set<std::string>> keys_;
};

bool collatedBefore(const std::string& a, const std::string& b) {
    return UnicodeText::localizedCaseInsensitiveCompare(a, b) < 0;
}

// Stable like std::stable_sort, without the buffer it takes for a list of a few tags.
void sortCollated(std::vector<std::string>& tags) {
    if (tags.size() > shortList) {
        std::ranges::stable_sort(tags, collatedBefore);
        return;
    }
    for (auto next = tags.begin(); next != tags.end(); ++next) {
        std::rotate(std::upper_bound(tags.begin(), next, *next, collatedBefore), next, std::next(next));
    }
}

}  // namespace

// In place: the tags kept move forward over the ones dropped.
std::vector<std::string> AccountTags::normalize(std::vector<std::string> tags) {
    RepeatCheck repeats(tags.size());
    std::size_t kept = 0;
    for (std::string& tag : tags) {
        const std::string_view trimmed = UnicodeText::trimmedView(tag);
        if (trimmed.empty() || repeats(std::span(tags).first(kept), trimmed)) continue;
        if (trimmed.size() != tag.size()) tag = std::string(trimmed);
        if (&tag != &tags[kept]) tags[kept] = std::move(tag);
        ++kept;
    }
    tags.erase(tags.begin() + static_cast<std::ptrdiff_t>(kept), tags.end());
    sortCollated(tags);
    return tags;
}

bool AccountTags::sameTag(std::string_view a, std::string_view b) { return UnicodeText::caseInsensitiveEquals(a, b); }

}  // namespace quorbit
