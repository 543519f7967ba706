#include <gtest/gtest.h>

#include <QTest>

#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

struct LoginItemCase {
    std::string name;
    bool enabledBefore;
    bool requested;
    std::optional<QuorbitError> failure;
    std::optional<bool> reportedAfter;  // what the system reports after the change, when not the request
    bool expectedSetting;
    std::string expectedStatus;  // English text, or the error detail after "Launch at login error: "
};

class LaunchAtLoginTest : public ViewModelFixture, public testing::WithParamInterface<LoginItemCase> {};

TEST_P(LaunchAtLoginTest, TheSettingFollowsWhatTheSystemReports) {
    const LoginItemCase& item = GetParam();
    loginItem.setState(item.enabledBefore);
    loginItem.failChangesWith(item.failure);
    loginItem.reportAfterChange(item.reportedAfter);
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    EXPECT_EQ(model.settings().launchAtLogin, item.enabledBefore);
    run(model.setLaunchAtLogin(item.requested));
    EXPECT_EQ(loginItem.requests(), std::vector<bool>{item.requested});
    EXPECT_EQ(model.settings().launchAtLogin, item.expectedSetting);
    const QString expected =
        item.failure ? QString::fromStdString(
                           AppLocalizer(AppLanguage::english).launchAtLoginError(describe(*item.failure).toStdString()))
                     : QString::fromStdString(item.expectedStatus);
    EXPECT_EQ(model.statusMessage(), expected);
    EXPECT_TRUE(QTest::qWaitFor([&] { return settingsStore.settings() == model.settings(); }, 5000));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, LaunchAtLoginTest,
    testing::Values(
        LoginItemCase{"Enabled", false, true, std::nullopt, std::nullopt, true, "Launch at login enabled"},
        LoginItemCase{"Disabled", true, false, std::nullopt, std::nullopt, false, "Launch at login disabled"},
        LoginItemCase{"LeftOffByTheSystem", false, true, std::nullopt, false, false, "Launch at login disabled"},
        LoginItemCase{"Failed", false, true, QuorbitError::fileWriteFailed("read-only folder"), std::nullopt, false,
                      ""},
        LoginItemCase{"FailedWhileOn", true, false, QuorbitError::fileWriteFailed("read-only folder"), std::nullopt,
                      true, ""}),
    [](const testing::TestParamInfo<LoginItemCase>& param) { return param.param.name; });

}  // namespace
}  // namespace quorbit::test
