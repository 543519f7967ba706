#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest/QTest>

#include <chrono>
#include <future>

#include "DesktopCommand.h"
#include "infrastructure/desktop/MacClipboardService.h"

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

class MacClipboardServiceTest : public testing::Test {
protected:
    // Taking the clipboard back also ends an xclip that still serves it.
    void TearDown() override { QGuiApplication::clipboard()->setText(QString()); }

    MacClipboardService clipboard;
};

TEST_F(MacClipboardServiceTest, OtherProgramsPasteTheCodeAndSeeTheSecretHint) {
    clipboard.copyEphemeral("492039", std::nullopt);

    EXPECT_EQ(pastedElsewhere(), "492039");
    EXPECT_EQ(pastedElsewhere("x-kde-passwordManagerHint"), "secret");
}

TEST_F(MacClipboardServiceTest, WithoutDelayTheCodeStays) {
    clipboard.copyEphemeral("492039", std::nullopt);
    QTest::qWait(1500);

    EXPECT_EQ(pastedElsewhere(), "492039");
}

TEST_F(MacClipboardServiceTest, ClearsItsCodeAfterTheDelay) {
    clipboard.copyEphemeral("492039", 1s);
    EXPECT_EQ(pastedElsewhere(), "492039");
    QTest::qWait(1500);

    EXPECT_EQ(pastedElsewhere(), "");
}

TEST_F(MacClipboardServiceTest, LeavesWhatAnotherProgramCopiedSince) {
    clipboard.copyEphemeral("492039", 1s);
    copyElsewhere("shopping list");
    QTest::qWait(1500);

    EXPECT_EQ(pastedElsewhere(), "shopping list");
}

// Each copy's clearing removes only its own code.
TEST_F(MacClipboardServiceTest, AnEarlierClearingSparesALaterCode) {
    clipboard.copyEphemeral("111111", 1s);
    QTest::qWait(500);
    clipboard.copyEphemeral("222222", 2s);
    QTest::qWait(1000);
    EXPECT_EQ(pastedElsewhere(), "222222");

    QTest::qWait(1500);
    EXPECT_EQ(pastedElsewhere(), "");
}

TEST_F(MacClipboardServiceTest, CopiesFromAWorkerThread) {
    auto copied = std::async(std::launch::async, [this] { clipboard.copyEphemeral("492039", std::nullopt); });
    ASSERT_TRUE(QTest::qWaitFor([&copied] { return copied.wait_for(0s) == std::future_status::ready; }, 5000));

    EXPECT_EQ(pastedElsewhere(), "492039");
}

}  // namespace
}  // namespace quorbit
