#include <gtest/gtest.h>

#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using DeleteAllActionTest = DataActionsFixture;
using Kind = SecurityEventKind;

TEST_F(DeleteAllActionTest, DeleteAllNeedsBothConfirmations) {
    const OtpAccount account = store("A", "a");
    QuorbitViewModel& vm = model();
    dialogs.answerAlertWithFirstButton(true);
    dialogs.answerAlertWithFirstButton(false);

    vm.deleteAllTokensWithConfirmation();

    ASSERT_EQ(dialogs.alerts().size(), 2u);
    EXPECT_EQ(dialogs.alerts()[1].firstButton, "Delete All");
    EXPECT_EQ(repository.accounts().size(), 1u);
    EXPECT_TRUE(secrets.contains(account.secretRef));

    vm.deleteAllTokensWithConfirmation();

    ASSERT_TRUE(waitForStatus("All tokens deleted"));
    EXPECT_TRUE(repository.accounts().empty());
    EXPECT_EQ(secrets.size(), 0u);
    EXPECT_EQ(loggedEvents(),
              (std::vector<std::pair<Kind, std::string>>{{Kind::accountDeletedPermanently, "All tokens deleted"}}));
}

}  // namespace
}  // namespace quorbit::test
