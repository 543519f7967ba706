#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "domain/AppLanguage.h"

namespace quorbit {

// The order of the account list; stored as its raw value.
enum class AccountSortOption { alphabetical, createdAt, lastUsedAt, favoritesFirst };

inline constexpr std::array<AccountSortOption, 4> allAccountSortOptions{
    AccountSortOption::alphabetical, AccountSortOption::createdAt, AccountSortOption::lastUsedAt,
    AccountSortOption::favoritesFirst};

std::string_view rawValue(AccountSortOption option);
std::optional<AccountSortOption> accountSortOptionFromRawValue(std::string_view raw);
std::string title(AccountSortOption option, AppLanguage language);

}  // namespace quorbit
