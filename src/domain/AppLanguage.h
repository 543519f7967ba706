#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorbit {

// The interface language; stored as its case name.
enum class AppLanguage { english, russian };

inline constexpr std::array<AppLanguage, 2> allAppLanguages{AppLanguage::english, AppLanguage::russian};

constexpr std::string_view rawValue(AppLanguage language) {
    return language == AppLanguage::russian ? "russian" : "english";
}

// Each language is titled in its own language, whatever the interface language.
std::string title(AppLanguage language, AppLanguage interfaceLanguage);

// Russian when any preferred language, lower-cased, starts with "ru"; English otherwise.
AppLanguage appLanguageForPreferredLanguages(std::span<const std::string> preferredLanguages);

// The English text unless the language is Russian.
inline std::string_view localized(AppLanguage language, std::string_view english, std::string_view russian) {
    return language == AppLanguage::russian ? russian : english;
}

}  // namespace quorbit
