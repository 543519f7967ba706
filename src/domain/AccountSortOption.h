#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "domain/AppLanguage.h"

namespace quorbit {

class JsonValue;

// The order of the account list; stored as its raw value.
enum class AccountSortOption { alphabetical, createdAt, lastUsedAt, favoritesFirst };

inline constexpr std::array<AccountSortOption, 4> allAccountSortOptions{
    AccountSortOption::alphabetical, AccountSortOption::createdAt, AccountSortOption::lastUsedAt,
    AccountSortOption::favoritesFirst};

std::string_view rawValue(AccountSortOption option);
std::optional<AccountSortOption> accountSortOptionFromRawValue(std::string_view raw);
std::string title(AccountSortOption option, AppLanguage language);

// A text that is no raw value throws JsonTypeError.
void to_json(nlohmann::json& json, AccountSortOption option);
void readJson(const JsonValue& json, AccountSortOption& option);

}  // namespace quorbit
