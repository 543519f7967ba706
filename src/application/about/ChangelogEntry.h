#pragma once

#include <span>
#include <string_view>

namespace quorbit {

// One release of the product as the About window lists it; the version is its identity.
struct ChangelogEntry {
    std::string_view version;
    std::string_view englishSummary;
    std::string_view russianSummary;

    bool operator==(const ChangelogEntry&) const = default;

    // Every release, newest first.
    static std::span<const ChangelogEntry> history();
};

}  // namespace quorbit
