#pragma once

#include <array>
#include <string>
#include <string_view>

#include "application/settings/SettingsOption.h"

namespace quorbit {

// The colour scheme.
enum class AppTheme { system, light, dark };

inline constexpr std::array<AppTheme, 3> allAppThemes{AppTheme::system, AppTheme::light, AppTheme::dark};

std::string_view rawValue(AppTheme theme);
std::string title(AppTheme theme, AppLanguage language);

template <>
struct SettingsOptionCases<AppTheme> {
    static constexpr const auto& all = allAppThemes;
};

}  // namespace quorbit
