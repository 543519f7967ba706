#include "application/usecases/SearchAccounts.h"

#include <algorithm>
#include <string>

#include "domain/AccountTags.h"
#include "domain/UnicodeText.h"

namespace quorbit {
namespace {

struct Candidate {
    const OtpAccount* account;
    const AccountCollationKeys::Key* key;
};

bool passesFilter(const OtpAccount& account, const AccountFilterSelection& filter) {
    using Case = AccountFilterSelection::Case;
    if (filter.filterCase() == Case::trash) return account.isTrashed();
    if (account.isTrashed()) return false;
    switch (filter.filterCase()) {
    case Case::favorites: return account.isFavorite;
    case Case::recent: return account.lastUsedAt.has_value();
    case Case::tag:
        return std::ranges::any_of(account.tags,
                                   [&](const std::string& tag) { return AccountTags::sameTag(tag, filter.tagText()); });
    case Case::all:
    case Case::trash: return true;
    }
    return true;
}

bool contains(std::string_view text, const std::string& loweredQuery) {
    return UnicodeText::lowercased(text).find(loweredQuery) != std::string::npos;
}

bool matchesQuery(const OtpAccount& account, const std::string& loweredQuery) {
    if (loweredQuery.empty()) return true;
    return contains(account.issuer, loweredQuery) || contains(account.accountName, loweredQuery) ||
           std::ranges::any_of(account.tags, [&](const std::string& tag) { return contains(tag, loweredQuery); });
}

bool alphabeticalCompare(const Candidate& a, const Candidate& b) {
    const int order = a.key->collation.compare(b.key->collation);
    if (order != 0) return order < 0;
    return a.key->idText < b.key->idText;
}

bool compare(const Candidate& a, const Candidate& b, AccountSortOption sort) {
    const OtpAccount& left = *a.account;
    const OtpAccount& right = *b.account;
    switch (sort) {
    case AccountSortOption::alphabetical: break;
    case AccountSortOption::createdAt:
        if (left.createdAt != right.createdAt) return left.createdAt > right.createdAt;
        break;
    case AccountSortOption::lastUsedAt:
        if (left.lastUsedAt != right.lastUsedAt) {
            return left.lastUsedAt.value_or(TimePoint::min()) > right.lastUsedAt.value_or(TimePoint::min());
        }
        break;
    case AccountSortOption::favoritesFirst:
        if (left.isFavorite != right.isFavorite) return left.isFavorite;
        break;
    }
    return alphabeticalCompare(a, b);
}

}  // namespace

std::vector<OtpAccount> SearchAccounts::execute(const std::vector<OtpAccount>& accounts, std::string_view query,
                                                const AccountFilterSelection& filter, AccountSortOption sort) const {
    const std::string loweredQuery = UnicodeText::lowercased(UnicodeText::trimmed(query));
    keys_.followLocale();
    keys_.forgetAbsent(accounts);
    std::vector<Candidate> candidates;
    for (const OtpAccount& account : accounts) {
        if (passesFilter(account, filter) && matchesQuery(account, loweredQuery)) {
            candidates.push_back({&account, &keys_.keyFor(account)});
        }
    }
    std::ranges::stable_sort(candidates,
                             [sort](const Candidate& a, const Candidate& b) { return compare(a, b, sort); });
    std::vector<OtpAccount> result;
    result.reserve(candidates.size());
    for (const Candidate& candidate : candidates) result.push_back(*candidate.account);
    return result;
}

}  // namespace quorbit
