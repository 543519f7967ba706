#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include <chrono>
#include <cstdio>

#include "PanelFixture.h"
#include "application/settings/CodeFormat.h"
#include "ui/ObjectNames.h"
#include "ui/panel/AccountList.h"
#include "ui/panel/AccountRow.h"

namespace quorbit::test {
namespace {

using namespace std::chrono_literals;

// A long list on the panel: two hundred accounts, unlocked, sorted by name.
class AccountListTest : public PanelFixture {
protected:
    AccountListTest() {
        for (int index = 0; index < 200; ++index) {
            char issuer[16];
            std::snprintf(issuer, sizeof(issuer), "Service %03d", index);
            accounts.push_back(storedAccount(issuer, "user@example.com"));
        }
        storeAccounts(accounts);
        AppSettings settings;
        settings.language = AppLanguage::english;
        makePanel(settings, true).show();
        list = find<AccountList>(objectnames::panel::accountList);
    }

    void scrollTo(int value) {
        list->verticalScrollBar()->setValue(value);
        settle();
    }

    bool inView(const AccountRow* row) const {
        const int top = row->mapTo(list->viewport(), QPoint(0, 0)).y();
        return row->isVisible() && top + row->height() > 0 && top < list->viewport()->height();
    }

    QString shownCode(const OtpAccount& account) const {
        return QString::fromStdString(format(CodeFormat::grouped, viewModel->codes().at(account.id)));
    }

    std::vector<OtpAccount> accounts;
    AccountList* list = nullptr;
};

TEST_F(AccountListTest, RowsAreMadeAsTheyComeNearTheViewAndKept) {
    const std::vector<AccountRow*> first = list->rows();
    ASSERT_FALSE(first.empty());
    EXPECT_LT(first.size(), 40u) << "a view's worth and its margin, not the whole list";
    EXPECT_EQ(first.front()->accountId(), accounts.front().id);
    EXPECT_TRUE(inView(first.front()));
    EXPECT_EQ(list->row(accounts.back().id), nullptr);

    scrollTo(list->verticalScrollBar()->maximum());
    AccountRow* last = list->row(accounts.back().id);
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(inView(last));
    EXPECT_EQ(last->account().issuer, "Service 199");
    EXPECT_EQ(list->row(accounts.front().id), first.front()) << "a row out of view is kept";
    EXPECT_FALSE(inView(first.front()));

    // Each made row stands at its account's place: below the one before it, in the order shown.
    const std::vector<AccountRow*> made = list->rows();
    for (std::size_t i = 1; i < made.size(); ++i) {
        EXPECT_GT(made[i]->y(), made[i - 1]->y() + made[i - 1]->height() - 1);
    }
}

TEST_F(AccountListTest, ARowScrolledBackIntoViewShowsTheCurrentCode) {
    AccountRow* first = list->row(accounts.front().id);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->codeText(), shownCode(accounts.front()));

    scrollTo(list->verticalScrollBar()->maximum());
    clock.advance(30s);  // the next period: every code changes
    run(viewModel->refreshTick());
    AccountRow* last = list->row(accounts.back().id);
    EXPECT_EQ(last->codeText(), shownCode(accounts.back()));

    scrollTo(0);
    EXPECT_EQ(first->codeText(), shownCode(accounts.front()));
}

TEST_F(AccountListTest, TabFollowsTheOrderShownWhateverTheOrderRowsWereMadeIn) {
    scrollTo(list->verticalScrollBar()->maximum() / 2);
    scrollTo(0);
    scrollTo(list->verticalScrollBar()->maximum() / 4);
    const std::vector<AccountRow*> made = list->rows();
    ASSERT_GT(made.size(), 2u);
    for (std::size_t i = 1; i < made.size(); ++i) {
        if (made[i - 1]->account().issuer > made[i]->account().issuer) FAIL() << "rows out of order at " << i;
        if (made[i - 1]->nextInFocusChain() != made[i]) {
            ADD_FAILURE() << made[i - 1]->account().issuer << " is not followed by " << made[i]->account().issuer;
        }
    }
}

}  // namespace
}  // namespace quorbit::test
