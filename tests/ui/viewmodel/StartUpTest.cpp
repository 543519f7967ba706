#include <gtest/gtest.h>

#include "ViewModelFixture.h"

namespace quorbit::test {
namespace {

using StartUpTest = ViewModelFixture;

TEST_F(StartUpTest, FirstLaunchWithNoFilesIsEmptyLockedAndSavesNothing) {
    QuorbitViewModel& model = makeViewModel();
    run(model.start());
    EXPECT_TRUE(model.isStarted());
    EXPECT_TRUE(model.accounts().empty());
    EXPECT_TRUE(model.accountGroups().empty());
    EXPECT_TRUE(model.codes().empty());
    EXPECT_FALSE(model.isUnlocked());
    EXPECT_FALSE(model.statusMessage().has_value());
    EXPECT_TRUE(settingsStore.saves().empty());
    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_EQ(groups.saveCount(), 0);
    EXPECT_EQ(model.onboardingMode(), OnboardingMode::full);
}

}  // namespace
}  // namespace quorbit::test
