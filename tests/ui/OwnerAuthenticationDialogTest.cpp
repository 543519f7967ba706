#include "ui/OwnerAuthenticationDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <future>
#include <optional>

namespace quorbit {
namespace {

using namespace std::chrono_literals;

// Keeps the GUI thread turning until the conversation on the worker has ended; a modal
// prompt that comes up meanwhile is cancelled, as the user would.
void pumpUntilEnded(std::future<void>& conversation) {
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
    });
    canceller.start(50);
    while (conversation.wait_for(0s) != std::future_status::ready) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(OwnerAuthenticationDialogTest, TheWorkersCallsRunOnTheGuiThread) {
    OwnerAuthenticationDialog dialog;
    bool wentOn = false;
    bool shownMeanwhile = false;
    std::future<void> conversation = std::async(std::launch::async, [&] {
        dialog.begin("Unlock Quorbit");
        wentOn = dialog.inform("Touch the sensor", false);
        shownMeanwhile = dialog.isVisible();
        dialog.end();
    });
    pumpUntilEnded(conversation);
    EXPECT_TRUE(wentOn);
    EXPECT_TRUE(shownMeanwhile);
    EXPECT_FALSE(dialog.isVisible());
}

// The program ends while the worker's conversation waits for the GUI thread, which then runs
// no event loop any more: the conversation must end all the same, as cancelled.
TEST(OwnerAuthenticationDialogTest, ClosingDownReleasesAConversationWaitingForTheGuiThread) {
    OwnerAuthenticationDialog dialog;
    std::optional<SecretBytes> answered = SecretBytes::fromText("not asked");
    bool wentOn = true;
    std::future<void> conversation = std::async(std::launch::async, [&] {
        dialog.begin("Unlock Quorbit");
        answered = dialog.answer("Password:", false);
        wentOn = dialog.inform("Authentication failed", true);
        dialog.end();
    });
    EXPECT_EQ(conversation.wait_for(200ms), std::future_status::timeout) << "the first call waits for the GUI thread";
    dialog.closeDown();
    EXPECT_EQ(conversation.wait_for(10s), std::future_status::ready);
    pumpUntilEnded(conversation);  // so that a failure above does not hang the program
    EXPECT_FALSE(answered.has_value());
    EXPECT_FALSE(wentOn);
    // The calls posted before the close-down do nothing when their events come.
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace quorbit
