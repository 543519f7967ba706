#include "domain/AccountSortOption.h"

namespace quorbit {

std::string_view rawValue(AccountSortOption option) {
    switch (option) {
    case AccountSortOption::alphabetical: return "alphabetical";
    case AccountSortOption::createdAt: return "createdAt";
    case AccountSortOption::lastUsedAt: return "lastUsedAt";
    case AccountSortOption::favoritesFirst: return "favoritesFirst";
    }
    return {};
}

std::optional<AccountSortOption> accountSortOptionFromRawValue(std::string_view raw) {
    for (AccountSortOption option : allAccountSortOptions) {
        if (rawValue(option) == raw) return option;
    }
    return std::nullopt;
}

std::string title(AccountSortOption option, AppLanguage language) {
    switch (option) {
    case AccountSortOption::alphabetical: return std::string(localized(language, "A-Z", "По алфавиту"));
    case AccountSortOption::createdAt: return std::string(localized(language, "Date added", "По дате добавления"));
    case AccountSortOption::lastUsedAt:
        return std::string(localized(language, "Last used", "По последнему использованию"));
    case AccountSortOption::favoritesFirst:
        return std::string(localized(language, "Favorites first", "Избранное сверху"));
    }
    return {};
}

}  // namespace quorbit
