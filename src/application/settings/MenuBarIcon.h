#pragma once

#include <array>
#include <string>
#include <string_view>

#include "application/settings/SettingsOption.h"

namespace quorbit {

// The stored choice of tray icon.
enum class MenuBarIcon { shield, checkmark, monochrome };

inline constexpr std::array<MenuBarIcon, 3> allMenuBarIcons{MenuBarIcon::shield, MenuBarIcon::checkmark,
                                                            MenuBarIcon::monochrome};

std::string_view rawValue(MenuBarIcon icon);
std::string title(MenuBarIcon icon, AppLanguage language);

template <>
struct SettingsOptionCases<MenuBarIcon> {
    static constexpr const auto& all = allMenuBarIcons;
};

}  // namespace quorbit
