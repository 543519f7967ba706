#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "application/settings/SettingsOption.h"

namespace quorbit {

// How codes are displayed.
enum class CodeFormat { grouped, plain };

inline constexpr std::array<CodeFormat, 2> allCodeFormats{CodeFormat::grouped, CodeFormat::plain};

std::string_view rawValue(CodeFormat codeFormat);
std::string title(CodeFormat codeFormat, AppLanguage language);

// Grouped: 6 characters as 3 + 3, 8 as 4 + 4, other lengths unchanged. No code gives dashes.
std::string format(CodeFormat codeFormat, const std::optional<std::string>& code);

template <>
struct SettingsOptionCases<CodeFormat> {
    static constexpr const auto& all = allCodeFormats;
};

}  // namespace quorbit
