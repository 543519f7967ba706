#pragma once

#include <optional>
#include <string_view>

namespace quorbit {

// Who makes the program, as the About window names it.
struct AppIdentity {
    static constexpr std::string_view productName = "Quorbit";
    static constexpr std::string_view developerName = "The Quorbit developers";
    // The project keeps no web site of its own, so the About window links nowhere.
    static constexpr std::optional<std::string_view> developerWebsite = std::nullopt;
};

}  // namespace quorbit
