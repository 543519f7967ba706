#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest/QTest>

#include <chrono>
#include <functional>
#include <future>
#include <utility>
#include <vector>

#include "DesktopCommand.h"
#include "infrastructure/desktop/QtClipboardService.h"

namespace quorbit {
namespace {

using namespace std::chrono_literals;
using test::DesktopCommand;

// What another program reads from the clipboard; empty when nobody offers text.
QByteArray pastedElsewhere(const QString& target = QStringLiteral("UTF8_STRING")) {
    const auto paste = DesktopCommand::run("xclip", {"-o", "-selection", "clipboard", "-t", target});
    return paste.exitCode == 0 ? paste.output : QByteArray();
}

void copyElsewhere(const QByteArray& text) { DesktopCommand::run("xclip", {"-selection", "clipboard"}, text); }

// The clearings the service asked for, run when the test says their time has come.
struct ScheduledClearing {
    std::chrono::seconds delay;
    std::function<void()> clearing;
};

class QtClipboardServiceTest : public testing::Test {
protected:
    // Taking the clipboard back also ends an xclip that still serves it.
    void TearDown() override { QGuiApplication::clipboard()->setText(QString()); }

    std::vector<ScheduledClearing> scheduled;
    QtClipboardService clipboard{[this](std::chrono::seconds delay, std::function<void()> clearing) {
        scheduled.push_back({delay, std::move(clearing)});
    }};
};

TEST_F(QtClipboardServiceTest, OtherProgramsPasteTheCodeAndSeeTheSecretHint) {
    clipboard.copyEphemeral("492039", std::nullopt);

    EXPECT_EQ(pastedElsewhere(), "492039");
    EXPECT_EQ(pastedElsewhere("x-kde-passwordManagerHint"), "secret");
}

TEST_F(QtClipboardServiceTest, WithoutDelayTheCodeStays) {
    clipboard.copyEphemeral("492039", std::nullopt);

    EXPECT_TRUE(scheduled.empty());
    EXPECT_EQ(pastedElsewhere(), "492039");
}

TEST_F(QtClipboardServiceTest, ClearsItsCodeAfterTheDelay) {
    clipboard.copyEphemeral("492039", 45s);
    EXPECT_EQ(pastedElsewhere(), "492039");
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_EQ(scheduled[0].delay, 45s);
    scheduled[0].clearing();

    EXPECT_EQ(pastedElsewhere(), "");
}

TEST_F(QtClipboardServiceTest, LeavesWhatAnotherProgramCopiedSince) {
    clipboard.copyEphemeral("492039", 1s);
    copyElsewhere("shopping list");
    ASSERT_EQ(scheduled.size(), 1u);
    scheduled[0].clearing();

    EXPECT_EQ(pastedElsewhere(), "shopping list");
}

// Each copy's clearing removes only its own code.
TEST_F(QtClipboardServiceTest, AnEarlierClearingSparesALaterCode) {
    clipboard.copyEphemeral("111111", 1s);
    clipboard.copyEphemeral("222222", 2s);
    ASSERT_EQ(scheduled.size(), 2u);
    scheduled[0].clearing();
    EXPECT_EQ(pastedElsewhere(), "222222");

    scheduled[1].clearing();
    EXPECT_EQ(pastedElsewhere(), "");
}

// The real clearing runs on the application's timer.
TEST(QtClipboardServiceTimer, ClearsOnTheApplicationTimer) {
    QtClipboardService clipboard;
    clipboard.copyEphemeral("492039", 1s);
    EXPECT_TRUE(QTest::qWaitFor([] { return pastedElsewhere().isEmpty(); }, 3000));
    QGuiApplication::clipboard()->setText(QString());
}

TEST_F(QtClipboardServiceTest, CopiesFromAWorkerThread) {
    auto copied = std::async(std::launch::async, [this] { clipboard.copyEphemeral("492039", std::nullopt); });
    ASSERT_TRUE(QTest::qWaitFor([&copied] { return copied.wait_for(0s) == std::future_status::ready; }, 5000));

    EXPECT_EQ(pastedElsewhere(), "492039");
}

}  // namespace
}  // namespace quorbit
