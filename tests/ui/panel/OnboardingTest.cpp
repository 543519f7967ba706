#include "ui/panel/Onboarding.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/ui/ViewModelHarness.h"
#include "support/views/SampleAccounts.h"
#include "ui/ObjectNames.h"
#include "ui/kit/SegmentedControl.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::onboarding;

class OnboardingTest : public ::testing::Test, public ViewModelHarness {
protected:
    Onboarding& makeView() {
        view = std::make_unique<Onboarding>(makeViewModel());
        view->resize(368, 480);
        view->show();
        return *view;
    }

    QPushButton* button(const char* name) const { return view->findChild<QPushButton*>(name); }
    bool shows(const char* name) const { return button(name)->isVisibleTo(view.get()); }
    QString step() const { return view->findChild<QLabel*>(names::stepLabel)->text(); }
    QString title() const { return view->findChild<QLabel*>(names::stepTitle)->text(); }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    std::unique_ptr<Onboarding> view;
};

TEST_F(OnboardingTest, WalksFiveStepsWithBackOnlyAfterTheFirst) {
    makeView();
    EXPECT_EQ(step(), QStringLiteral("1/5"));
    EXPECT_FALSE(shows(names::back));
    EXPECT_TRUE(shows(names::continueButton));
    for (int i = 0; i < 4; ++i) click(names::continueButton);
    EXPECT_EQ(step(), QStringLiteral("5/5"));
    EXPECT_FALSE(shows(names::continueButton));
    for (const char* final : {names::addAccount, names::importAccounts, names::openApp}) EXPECT_TRUE(shows(final));

    QTest::keyClick(view.get(), Qt::Key_Return);  // no final action answers Return
    EXPECT_FALSE(viewModel->settings().hasCompletedOnboarding);
    click(names::back);
    EXPECT_EQ(step(), QStringLiteral("4/5"));
}

TEST_F(OnboardingTest, ReturnContinuesAndALanguageSwitchKeepsTheStep) {
    makeView();
    QTest::keyClick(view.get(), Qt::Key_Return);
    QTest::keyClick(view.get(), Qt::Key_Enter);
    EXPECT_EQ(step(), QStringLiteral("3/5"));
    EXPECT_EQ(title(), QStringLiteral("Locking and safety"));

    auto* picker = view->findChild<SegmentedControl*>(names::languagePicker);
    QTest::mouseClick(picker->segment(1), Qt::LeftButton);
    EXPECT_EQ(viewModel->settings().language, AppLanguage::russian);
    EXPECT_EQ(step(), QStringLiteral("3/5"));
    EXPECT_EQ(title(), QStringLiteral("Блокировка и безопасность"));
    EXPECT_EQ(button(names::back)->text(), QStringLiteral("Назад"));
}

TEST_F(OnboardingTest, TheShortFormOpensTheFullIntroductionAtItsFirstStep) {
    repository.setAccounts({sampleAccount("GitHub")});
    makeView();
    run(viewModel->start());
    ASSERT_EQ(viewModel->onboardingMode(), OnboardingMode::shortIntro);
    EXPECT_TRUE(view->findChild<QLabel*>(names::shortTitle)->isVisibleTo(view.get()));
    EXPECT_FALSE(shows(names::continueButton));
    click(names::openFullIntroduction);
    EXPECT_EQ(viewModel->onboardingMode(), OnboardingMode::full);
    EXPECT_TRUE(shows(names::continueButton));
    EXPECT_EQ(step(), QStringLiteral("1/5"));
}

TEST_F(OnboardingTest, AChangeOfModeStartsAgainAtTheFirstStep) {
    makeView();
    click(names::continueButton);
    click(names::continueButton);
    viewModel->setForceFullOnboarding(true);  // no change of mode: still the full form
    EXPECT_EQ(step(), QStringLiteral("3/5"));
    AppSettings completed = viewModel->settings();
    completed.hasCompletedOnboarding = true;
    viewModel->setSettings(completed);  // the mode goes away; nothing to show
    completed.hasCompletedOnboarding = false;
    viewModel->setSettings(completed);  // and comes back
    EXPECT_EQ(step(), QStringLiteral("1/5"));
}

TEST_F(OnboardingTest, EachWayOutReachesTheViewModel) {
    struct Case {
        const char* button;
        bool completes;
        std::optional<QuorbitViewModel::PostOnboardingAction> pending;
    };
    const Case cases[] = {
        {names::addAccount, true, QuorbitViewModel::PostOnboardingAction::addAccount},
        {names::importAccounts, true, QuorbitViewModel::PostOnboardingAction::importAccounts},
        {names::openApp, true, std::nullopt},
        {names::skip, false, std::nullopt},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.button);
        view.reset();
        settingsStore.saveSettings(AppSettings{});
        makeView();
        for (int i = 0; i < 4; ++i) click(names::continueButton);
        click(test.button);
        EXPECT_EQ(viewModel->settings().hasCompletedOnboarding, test.completes);
        EXPECT_EQ(viewModel->onboardingDeferredForSession(), !test.completes);
        EXPECT_EQ(viewModel->pendingPostOnboardingAction(), test.pending);
        EXPECT_EQ(viewModel->onboardingMode(), std::nullopt);
    }
}

}  // namespace
}  // namespace quorbit::test
