#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "application/settings/SettingsOption.h"

namespace quorbit {

// Idle time after which the vault locks.
enum class AutoLockDuration { oneMinute, fiveMinutes, fifteenMinutes, thirtyMinutes, never };

inline constexpr std::array<AutoLockDuration, 5> allAutoLockDurations{
    AutoLockDuration::oneMinute, AutoLockDuration::fiveMinutes, AutoLockDuration::fifteenMinutes,
    AutoLockDuration::thirtyMinutes, AutoLockDuration::never};

std::string_view rawValue(AutoLockDuration duration);
std::string title(AutoLockDuration duration, AppLanguage language);

// The vault session's time-out; none for `never`.
std::optional<std::chrono::seconds> timeout(AutoLockDuration duration);

template <>
struct SettingsOptionCases<AutoLockDuration> {
    static constexpr const auto& all = allAutoLockDurations;
};

}  // namespace quorbit
