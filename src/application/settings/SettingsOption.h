#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <string_view>

#include "domain/AccountSortOption.h"
#include "domain/AppLanguage.h"

namespace quorbit {

// The list of all cases of a settings choice, in picker order; specialised by each choice.
template <typename T>
struct SettingsOptionCases;

// A picker choice: all cases, an identifier (its raw value) and a title in a language.
template <typename T>
concept SettingsOption = std::regular<T> && requires(T option, AppLanguage language) {
    SettingsOptionCases<T>::all;
    { rawValue(option) } -> std::convertible_to<std::string_view>;
    { title(option, language) } -> std::convertible_to<std::string>;
};

template <SettingsOption T>
constexpr const auto& allCases() {
    return SettingsOptionCases<T>::all;
}

// The case whose raw value is exactly `raw`.
template <SettingsOption T>
std::optional<T> settingsOptionFromRawValue(std::string_view raw) {
    for (const T& option : allCases<T>()) {
        if (rawValue(option) == raw) return option;
    }
    return std::nullopt;
}

template <>
struct SettingsOptionCases<AccountSortOption> {
    static constexpr const auto& all = allAccountSortOptions;
};

template <>
struct SettingsOptionCases<AppLanguage> {
    static constexpr const auto& all = allAppLanguages;
};

}  // namespace quorbit
