#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

// The review categories of the data lifecycle; all but `trash` leave trashed accounts out,
// and one account may be in several of them.
enum class DataLifecycleCategory { trash, untagged, longUnused, hotp };

inline constexpr std::array<DataLifecycleCategory, 4> allDataLifecycleCategories{
    DataLifecycleCategory::trash, DataLifecycleCategory::untagged, DataLifecycleCategory::longUnused,
    DataLifecycleCategory::hotp};

constexpr std::string_view rawValue(DataLifecycleCategory category) {
    switch (category) {
    case DataLifecycleCategory::trash: return "trash";
    case DataLifecycleCategory::untagged: return "untagged";
    case DataLifecycleCategory::longUnused: return "longUnused";
    case DataLifecycleCategory::hotp: return "hotp";
    }
    return {};
}

constexpr std::optional<DataLifecycleCategory> dataLifecycleCategoryFromRawValue(std::string_view raw) {
    for (auto category : allDataLifecycleCategories) {
        if (rawValue(category) == raw) return category;
    }
    return std::nullopt;
}

}  // namespace quorbit
