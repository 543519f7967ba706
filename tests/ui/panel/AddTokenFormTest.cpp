#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "PanelFixture.h"
#include "support/memory/WatchedSecretQString.h"
#include "ui/ObjectNames.h"
#include "ui/kit/Stepper.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

class AddTokenFormTest : public PanelFixture {
protected:
    PanelView& openForm() {
        storeAccounts(sampleAccounts());
        AppSettings settings;
        settings.language = AppLanguage::english;
        PanelView& view = makePanel(settings, true);
        view.show();
        find<QPushButton>(names::addButton)->click();
        settle();
        return view;
    }
};

TEST_F(AddTokenFormTest, PeriodStepsByFiveWithinTenAndOneHundredTwenty) {
    PanelView& view = openForm();
    auto* period = find<Stepper>(names::otpPeriod);
    ASSERT_TRUE(period->isVisibleTo(&view));
    EXPECT_FALSE(find<Stepper>(names::otpCounter)->isVisibleTo(&view));
    QTest::mouseClick(period->incrementButton(), Qt::LeftButton);
    EXPECT_EQ(viewModel->manualPeriod(), 35);
    EXPECT_EQ(period->value(), 35);
    EXPECT_EQ(period->minimum(), 10);
    EXPECT_EQ(period->maximum(), 120);
}

TEST_F(AddTokenFormTest, CounterStaysAtTheLargestValue) {
    PanelView& view = openForm();
    viewModel->setManualOtpType(OtpType::hotp);
    viewModel->setManualHotpCounter(std::numeric_limits<std::int64_t>::max());
    auto* counter = find<Stepper>(names::otpCounter);
    ASSERT_TRUE(counter->isVisibleTo(&view));
    EXPECT_FALSE(find<Stepper>(names::otpPeriod)->isVisibleTo(&view));
    QTest::mouseClick(counter->incrementButton(), Qt::LeftButton);
    EXPECT_EQ(viewModel->manualHotpCounter(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(counter->value(), std::numeric_limits<std::int64_t>::max());
}

TEST_F(AddTokenFormTest, AddTagNeedsMoreThanWhiteSpace) {
    openForm();
    auto* addTag = find<QPushButton>(names::addTagButton);
    viewModel->setManualNewTag(QStringLiteral("  \n"));
    EXPECT_FALSE(addTag->isEnabled());
    QTest::keyClicks(find<QLineEdit>(names::newTagField), QStringLiteral("x"));
    EXPECT_TRUE(addTag->isEnabled());
    EXPECT_EQ(viewModel->manualNewTag(), QStringLiteral("  \nx"));
}

TEST_F(AddTokenFormTest, AddTokenWithEmptyFieldsKeepsTheFormAndReports) {
    PanelView& view = openForm();
    auto* issuer = find<QLineEdit>(names::addFormIssuer);
    QTest::keyClick(issuer, Qt::Key_Return);  // the form's default action
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewModel->statusMessage().has_value(); }));
    EXPECT_TRUE(viewModel->showingAddToken());
    EXPECT_TRUE(find<QWidget>(names::addForm)->isVisibleTo(&view));
}

TEST_F(AddTokenFormTest, TypingSurvivesATick) {
    openForm();
    auto* issuer = find<QLineEdit>(names::addFormIssuer);
    issuer->setFocus();
    QTest::keyClicks(issuer, QStringLiteral("GitLab"));
    issuer->setSelection(1, 3);
    run(viewModel->refreshTick());
    EXPECT_EQ(viewModel->manualIssuer(), QStringLiteral("GitLab"));
    EXPECT_EQ(issuer->text(), QStringLiteral("GitLab"));
    EXPECT_EQ(issuer->selectionStart(), 1);
    EXPECT_EQ(issuer->selectedText(), QStringLiteral("itL"));
}

TEST_F(AddTokenFormTest, CancelResetsAndHidesTheForm) {
    PanelView& view = openForm();
    QTest::keyClicks(find<QLineEdit>(names::addFormIssuer), QStringLiteral("GitLab"));
    find<QPushButton>(names::addFormCancel)->click();
    EXPECT_FALSE(viewModel->showingAddToken());
    EXPECT_TRUE(viewModel->manualIssuer().isEmpty());
    EXPECT_TRUE(find<QWidget>(names::listPage)->isVisibleTo(&view));
}

// The field, the view model and the draft each hold the typed secret on its way to the keyring.
TEST_F(AddTokenFormTest, TheTypedSecretReachesFreedMemoryOnlyWipedOnceAdded) {
    const QString typing = watchedSecretQString();
    openForm();
    QTest::keyClicks(find<QLineEdit>(names::addFormIssuer), QStringLiteral("Acme"));
    FreedMemoryWatch watch({watchedSecretUtf16, watchedSecretBase32});

    QTest::keyClicks(find<QLineEdit>(names::addFormSecret), typing);
    find<QPushButton>(names::addFormSubmit)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !viewModel->showingAddToken(); }));
    settle();

    EXPECT_TRUE(viewModel->manualSecret().isEmpty());
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

TEST_F(AddTokenFormTest, ALockWipesTheTypedSecret) {
    const struct {
        const char* name;
        std::function<void(AddTokenFormTest&)> lock;
    } cases[] = {
        {"by hand", [](AddTokenFormTest& test) { test.viewModel->lock(); }},
        {"by the time-out",
         [](AddTokenFormTest& test) {
             test.clock.advance(std::chrono::minutes(6));
             run(test.viewModel->refreshTick());
         }},
    };
    const QString typing = watchedSecretQString();
    for (const auto& c : cases) {
        openForm();
        auto* secret = find<QLineEdit>(names::addFormSecret);
        FreedMemoryWatch watch({watchedSecretUtf16});
        QTest::keyClicks(secret, typing);
        ASSERT_EQ(viewModel->manualSecret(), typing) << c.name;

        c.lock(*this);
        settle();

        EXPECT_FALSE(viewModel->isUnlocked()) << c.name;
        EXPECT_TRUE(secret->text().isEmpty()) << c.name;
        EXPECT_TRUE(viewModel->manualSecret().isEmpty()) << c.name;
        EXPECT_EQ(watch.blocksHoldingText(), 0u) << c.name;
        panel.reset();
        viewModel.reset();
    }
}

}  // namespace
}  // namespace quorbit::test
