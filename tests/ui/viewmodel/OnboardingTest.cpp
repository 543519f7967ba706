#include <gtest/gtest.h>

#include <QTest>

#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

struct ModeCase {
    std::string name;
    bool completed;
    bool deferred;
    bool forcedFull;
    bool storedAccounts;
    std::optional<OnboardingMode> expected;
};

class OnboardingModeTest : public ViewModelFixture, public testing::WithParamInterface<ModeCase> {};

TEST_P(OnboardingModeTest, FollowsTheFlagsInOrder) {
    const ModeCase& mode = GetParam();
    if (mode.storedAccounts) store("Alpha", "a");
    AppSettings stored;
    stored.hasCompletedOnboarding = mode.completed;
    QuorbitViewModel& model = makeEnglishViewModel(stored);
    run(model.start());
    model.setOnboardingDeferredForSession(mode.deferred);
    model.setForceFullOnboarding(mode.forcedFull);
    EXPECT_EQ(model.onboardingMode(), mode.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, OnboardingModeTest,
    testing::Values(ModeCase{"CompletedShowsNothing", true, false, true, true, std::nullopt},
                    ModeCase{"DeferredShowsNothing", false, true, true, false, std::nullopt},
                    ModeCase{"ForcedIsFullDespiteAccounts", false, false, true, true, OnboardingMode::full},
                    ModeCase{"StoredAccountsGetTheShortOne", false, false, false, true, OnboardingMode::shortIntro},
                    ModeCase{"NoAccountsGetTheFullOne", false, false, false, false, OnboardingMode::full}),
    [](const testing::TestParamInfo<ModeCase>& param) { return param.param.name; });

using OnboardingTest = ViewModelFixture;

TEST_F(OnboardingTest, DeferringClosesItForTheRunOnly) {
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    model.setForceFullOnboarding(true);
    model.deferOnboardingForSession();
    EXPECT_EQ(model.onboardingMode(), std::nullopt);
    EXPECT_FALSE(model.forceFullOnboarding());
    EXPECT_FALSE(model.settings().hasCompletedOnboarding);
    EXPECT_TRUE(settingsStore.saves().empty());
    EXPECT_EQ(model.statusMessage(),
              QStringLiteral("Onboarding closed for this session. You can reopen it in Settings."));
}

TEST_F(OnboardingTest, ResetFromTheSettingsForcesTheFullOne) {
    store("Alpha", "a");
    AppSettings stored;
    stored.hasCompletedOnboarding = true;
    QuorbitViewModel& model = makeEnglishViewModel(stored);
    run(model.start());
    model.setOnboardingDeferredForSession(true);
    model.resetOnboardingFromSettings();
    EXPECT_EQ(model.onboardingMode(), OnboardingMode::full);
    EXPECT_FALSE(model.onboardingDeferredForSession());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !settingsStore.saves().empty(); }, 5000));
    EXPECT_FALSE(settingsStore.settings().hasCompletedOnboarding);
    EXPECT_EQ(model.statusMessage(), QStringLiteral("Introduction has been reset and will open again."));
}

struct CompletionCase {
    std::string name;
    OnboardingCompletionAction action;
    bool opensForm;
    bool asksForImage;
};

class OnboardingCompletionTest : public ViewModelFixture, public testing::WithParamInterface<CompletionCase> {};

TEST_P(OnboardingCompletionTest, WhileUnlockedRunsTheFollowUpAtOnce) {
    const CompletionCase& completion = GetParam();
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    model.setForceFullOnboarding(true);
    model.completeOnboarding(completion.action);
    EXPECT_EQ(model.onboardingMode(), std::nullopt);
    EXPECT_TRUE(model.settings().hasCompletedOnboarding);
    EXPECT_FALSE(model.forceFullOnboarding());
    EXPECT_FALSE(model.pendingPostOnboardingAction());
    EXPECT_EQ(model.showingAddToken(), completion.opensForm);
    if (completion.asksForImage) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialogs.openPanels().empty(); }, 5000));
    } else {
        QTest::qWait(10);
        EXPECT_TRUE(dialogs.openPanels().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, OnboardingCompletionTest,
    testing::Values(CompletionCase{"OpenApp", OnboardingCompletionAction::openApp, false, false},
                    CompletionCase{"AddAccount", OnboardingCompletionAction::addAccount, true, false},
                    CompletionCase{"ImportAccounts", OnboardingCompletionAction::importAccounts, false, true}),
    [](const testing::TestParamInfo<CompletionCase>& param) { return param.param.name; });

}  // namespace
}  // namespace quorbit::test
