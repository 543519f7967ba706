#include "application/usecases/SearchAccounts.h"

#include <gtest/gtest.h>

#include <ostream>

#include "UseCaseFixture.h"
#include "domain/DefaultLocaleGuard.h"

namespace quorbit::test {
namespace {

using std::chrono::hours;

OtpAccount withId(OtpAccount account, const char* id) {
    account.id = *Uuid::parse(id);
    return account;
}

std::vector<std::string> labels(const std::vector<OtpAccount>& accounts) {
    std::vector<std::string> result;
    for (const OtpAccount& account : accounts) result.push_back(account.issuer + "/" + account.accountName);
    return result;
}

std::vector<std::string> search(const std::vector<OtpAccount>& accounts, std::string_view query,
                                const AccountFilterSelection& filter,
                                AccountSortOption sort = AccountSortOption::alphabetical) {
    return labels(SearchAccounts().execute(accounts, query, filter, sort));
}

// One account per filter, named after what sets it apart.
struct SearchAccountsTest : ::testing::Test {
    DefaultLocaleGuard locale{"en_US"};
    std::vector<OtpAccount> accounts;

    SearchAccountsTest() {
        OtpAccount favorite = storedAccount("Fav", "f");
        favorite.isFavorite = true;
        OtpAccount used = storedAccount("Used", "u");
        used.lastUsedAt = startTime;
        OtpAccount tagged = storedAccount("Tagged", "t");
        tagged.tags = {"Project X", "Work"};
        OtpAccount trashed = storedAccount("Trashed", "alice");
        trashed.isFavorite = true;
        trashed.lastUsedAt = startTime;
        trashed.tags = {"Work"};
        trashed.trashedAt = startTime;
        accounts = {storedAccount("Example", "alice"), favorite, used, tagged, trashed};
    }
};

struct FilterCase {
    AccountFilterSelection filter;
    std::vector<std::string> expected;
    // The id lower-cases tags, so tag filters are printed with their own spelling.
    friend void PrintTo(const FilterCase& filterCase, std::ostream* out) {
        const AccountFilterSelection& filter = filterCase.filter;
        if (filter.filterCase() == AccountFilterSelection::Case::tag) *out << "tag '" << filter.tagText() << "'";
        else *out << filter.id();
    }
};

class SearchAccountsFilterTest : public SearchAccountsTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(SearchAccountsFilterTest, KeepsTheFilteredAccounts) {
    EXPECT_EQ(search(accounts, "", GetParam().filter), GetParam().expected);
    EXPECT_TRUE(search({}, "", GetParam().filter).empty());
}

INSTANTIATE_TEST_SUITE_P(Filters, SearchAccountsFilterTest,
                         ::testing::Values(FilterCase{AccountFilterSelection::all(),
                                                      {"Example/alice", "Fav/f", "Tagged/t", "Used/u"}},
                                           FilterCase{AccountFilterSelection::favorites(), {"Fav/f"}},
                                           FilterCase{AccountFilterSelection::recent(), {"Used/u"}},
                                           FilterCase{AccountFilterSelection::trash(), {"Trashed/alice"}},
                                           FilterCase{AccountFilterSelection::tag("work"), {"Tagged/t"}},
                                           FilterCase{AccountFilterSelection::tag("WORK"), {"Tagged/t"}},
                                           FilterCase{AccountFilterSelection::tag(" work"), {}},
                                           FilterCase{AccountFilterSelection::tag("PROJECT x"), {"Tagged/t"}}));

TEST_F(SearchAccountsTest, QueryIsTrimmedLowerCasedAndFoundInIssuerNameOrTag) {
    const struct {
        const char* query;
        std::vector<std::string> expected;
    } cases[] = {
        {"  EXAM\n", {"Example/alice"}},
        {"ALI", {"Example/alice"}},
        {"ject x", {"Tagged/t"}},
        {"   ", {"Example/alice", "Fav/f", "Tagged/t", "Used/u"}},
        {"nothing", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(search(accounts, c.query, AccountFilterSelection::all()), c.expected) << '"' << c.query << '"';
    }
}

TEST_F(SearchAccountsTest, QueryInTheTrashSearchesOnlyTrashedAccounts) {
    EXPECT_EQ(search(accounts, "alice", AccountFilterSelection::trash()), (std::vector<std::string>{"Trashed/alice"}));
}

TEST_F(SearchAccountsTest, NonAsciiQueryMatchesAcrossLetterCase) {
    const std::vector<OtpAccount> cyrillic{storedAccount("Банк", "Пётр")};
    EXPECT_EQ(search(cyrillic, "ПЁТ", AccountFilterSelection::all()), labels(cyrillic));
}

TEST_F(SearchAccountsTest, AlphabeticalOrderIgnoresLetterCaseAndBreaksTiesByIdText) {
    const std::vector<OtpAccount> list{
        withId(storedAccount("cherry", "x"), "00000000-0000-4000-8000-000000000001"),
        withId(storedAccount("Same", "name"), "B0000000-0000-4000-8000-000000000000"),
        withId(storedAccount("apple", "x"), "00000000-0000-4000-8000-000000000002"),
        withId(storedAccount("same", "Name"), "A0000000-0000-4000-8000-000000000000"),
        withId(storedAccount("Banana", "x"), "00000000-0000-4000-8000-000000000003"),
    };
    const std::vector<std::string> expected{"apple/x", "Banana/x", "cherry/x", "same/Name", "Same/name"};
    EXPECT_EQ(search(list, "", AccountFilterSelection::all()), expected);
    std::vector<OtpAccount> reversed(list.rbegin(), list.rend());
    EXPECT_EQ(search(reversed, "", AccountFilterSelection::all()), expected) << "independent of input order";
}

// One instance keeps its sort keys between calls: a renamed account and a new locale must
// each be sorted by their own key, not by the one kept.
TEST_F(SearchAccountsTest, KeptSortKeysFollowRenamesAndTheLocale) {
    std::vector<OtpAccount> list{withId(storedAccount("Zeta", "x"), "00000000-0000-4000-8000-000000000001"),
                                 withId(storedAccount("Öresund", "x"), "00000000-0000-4000-8000-000000000002")};
    const SearchAccounts kept;
    auto order = [&] {
        return labels(kept.execute(list, "", AccountFilterSelection::all(), AccountSortOption::alphabetical));
    };
    EXPECT_EQ(order(), (std::vector<std::string>{"Öresund/x", "Zeta/x"}));
    list[0].issuer = "Alpha";
    EXPECT_EQ(order(), (std::vector<std::string>{"Alpha/x", "Öresund/x"})) << "after a rename";
    list[0].issuer = "Zeta";
    {
        const DefaultLocaleGuard swedish{"sv_SE"};  // Ö is a letter after Z
        EXPECT_EQ(order(), (std::vector<std::string>{"Zeta/x", "Öresund/x"})) << "in Swedish";
    }
    EXPECT_EQ(order(), (std::vector<std::string>{"Öresund/x", "Zeta/x"})) << "back in English";
}

TEST_F(SearchAccountsTest, AlphabeticalKeyIsIssuerBlankAccountName) {
    // "ab c" against "a bc": the blank after the issuer decides, not the concatenated letters.
    const std::vector<OtpAccount> list{withId(storedAccount("ab", "c"), "00000000-0000-4000-8000-000000000001"),
                                       withId(storedAccount("a", "bc"), "00000000-0000-4000-8000-000000000002")};
    EXPECT_EQ(search(list, "", AccountFilterSelection::all()), (std::vector<std::string>{"a/bc", "ab/c"}));
}

TEST_F(SearchAccountsTest, CreatedAtPutsNewestFirstAndFallsBackToAlphabetical) {
    OtpAccount old = storedAccount("Old", "o");
    OtpAccount newerB = storedAccount("B", "same instant");
    OtpAccount newerA = storedAccount("A", "same instant");
    newerA.createdAt = newerB.createdAt = old.createdAt + hours(1);
    EXPECT_EQ(search({old, newerB, newerA}, "", AccountFilterSelection::all(), AccountSortOption::createdAt),
              (std::vector<std::string>{"A/same instant", "B/same instant", "Old/o"}));
}

TEST_F(SearchAccountsTest, LastUsedAtPutsMostRecentFirstAndNeverUsedLastAlphabetically) {
    OtpAccount neverZ = storedAccount("Z", "never");
    OtpAccount neverA = storedAccount("A", "never");
    OtpAccount earlier = storedAccount("M", "earlier");
    earlier.lastUsedAt = startTime - hours(2);
    OtpAccount latest = storedAccount("Y", "latest");
    latest.lastUsedAt = startTime;
    OtpAccount latestToo = storedAccount("B", "latest");
    latestToo.lastUsedAt = startTime;
    EXPECT_EQ(search({neverZ, earlier, neverA, latest, latestToo}, "", AccountFilterSelection::all(),
                     AccountSortOption::lastUsedAt),
              (std::vector<std::string>{"B/latest", "Y/latest", "M/earlier", "A/never", "Z/never"}));
}

TEST_F(SearchAccountsTest, FavoritesFirstThenAlphabeticalWithinEachGroup) {
    OtpAccount favZ = storedAccount("Z", "fav");
    favZ.isFavorite = true;
    OtpAccount favC = storedAccount("C", "fav");
    favC.isFavorite = true;
    EXPECT_EQ(search({storedAccount("B", "plain"), favZ, storedAccount("A", "plain"), favC}, "",
                     AccountFilterSelection::all(), AccountSortOption::favoritesFirst),
              (std::vector<std::string>{"C/fav", "Z/fav", "A/plain", "B/plain"}));
}

}  // namespace
}  // namespace quorbit::test
