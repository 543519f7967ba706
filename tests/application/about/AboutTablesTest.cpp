#include <map>
#include <string>

#include <gtest/gtest.h>

#include "application/about/ChangelogEntry.h"
#include "application/about/DonationWallet.h"

namespace quorbit {
namespace {

TEST(ChangelogTest, ListsEveryReleaseNewestFirstInWordsTrueHere) {
    const auto history = ChangelogEntry::history();
    ASSERT_EQ(history.size(), 15u);
    EXPECT_EQ(history.front().version, "2.0.0");
    EXPECT_EQ(history[7].version, "1.3.1");
    EXPECT_EQ(history.back().version, "1.0 RC");
    for (const ChangelogEntry& entry : history) {
        for (std::string_view summary : {entry.englishSummary, entry.russianSummary}) {
            EXPECT_FALSE(summary.empty()) << entry.version;
            for (std::string_view foreign : {"Keychain", "macOS", "Mac ", "iCloud", "DMG", "menu-bar", "меню-бар"}) {
                EXPECT_EQ(summary.find(foreign), std::string_view::npos) << entry.version << ": " << foreign;
            }
        }
    }
}

TEST(DonationWalletTest, OnlyWalletsWithAnAddressAreOfferedInTheirOrder) {
    EXPECT_TRUE(DonationWallet::quorbitSupport({}).empty());

    const std::map<std::string, std::string> addresses{
        {"usdt-trc20", "T-address"}, {"toncoin-ton", "UQ-address"}, {"usdt-ton", ""}, {"unknown", "x"}};
    const auto wallets = DonationWallet::quorbitSupport(addresses);
    ASSERT_EQ(wallets.size(), 2u);
    EXPECT_EQ(wallets[0].id, "toncoin-ton");
    EXPECT_EQ(wallets[0].title, "Toncoin TON");
    EXPECT_EQ(wallets[0].address, "UQ-address");
    EXPECT_EQ(wallets[1].id, "usdt-trc20");
    EXPECT_EQ(wallets[1].logoFileName, "tron.svg");
    EXPECT_EQ(wallets[1].address, "T-address");
}

}  // namespace
}  // namespace quorbit
