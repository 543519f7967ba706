#pragma once

#include <string_view>

namespace quorbit {

// Names by which the desktop knows the program.
struct DesktopNames {
    static constexpr std::string_view pamService = "quorbit";
    static constexpr std::string_view autostartEntry = "quorbit.desktop";
    static constexpr std::string_view iconName = "quorbit";
};

}  // namespace quorbit
