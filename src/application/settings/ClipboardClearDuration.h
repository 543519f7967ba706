#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "application/settings/SettingsOption.h"

namespace quorbit {

// Delay after which a copied code is cleared from the clipboard.
enum class ClipboardClearDuration { tenSeconds, thirtySeconds, sixtySeconds, never };

inline constexpr std::array<ClipboardClearDuration, 4> allClipboardClearDurations{
    ClipboardClearDuration::tenSeconds, ClipboardClearDuration::thirtySeconds, ClipboardClearDuration::sixtySeconds,
    ClipboardClearDuration::never};

std::string_view rawValue(ClipboardClearDuration duration);
std::string title(ClipboardClearDuration duration, AppLanguage language);

// None for `never`: the code stays on the clipboard.
std::optional<std::chrono::seconds> seconds(ClipboardClearDuration duration);

template <>
struct SettingsOptionCases<ClipboardClearDuration> {
    static constexpr const auto& all = allClipboardClearDurations;
};

}  // namespace quorbit
