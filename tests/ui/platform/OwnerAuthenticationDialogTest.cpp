#include "ui/platform/OwnerAuthenticationDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <vector>

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
    while (conversation.wait_for(0s) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Counts the times a widget was hidden.
class HideCounter : public QObject {
public:
    explicit HideCounter(int& hides) : hides_(hides) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) ++hides_;
        return false;
    }

private:
    int& hides_;
};

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

bool showsText(const QWidget& dialog, const QString& text) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisible() && label->text() == text) return true;
    }
    return false;
}

// The owner answers as a user would: types into the enabled field, then Return. False while
// the field waits for no answer.
bool typeAnswer(QWidget& dialog, const QString& typed) {
    auto* field = dialog.findChild<QLineEdit*>();
    if (!dialog.isVisible() || !field || !field->isVisible() || !field->isEnabled()) return false;
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    return true;
}

// A refused password leaves the prompt on screen, saying so, for the next try; it says which
// password it wants under the reason, in the interface language.
TEST(OwnerAuthenticationDialogTest, ARefusedPasswordKeepsThePromptOpenAndSaysWhy) {
    const struct {
        AppLanguage language;
        QString wanted;
        QString refused;
    } cases[] = {
        {AppLanguage::english, "Enter your login password", "Incorrect password"},
        {AppLanguage::russian, "Введите пароль для входа в систему", "Неверный пароль"},
    };
    for (const auto& c : cases) {
        OwnerAuthenticationDialog dialog;
        dialog.setLanguage(c.language);
        int hides = 0;
        HideCounter counter(hides);
        dialog.installEventFilter(&counter);
        std::vector<std::string> answers;
        std::future<void> conversation = std::async(std::launch::async, [&] {
            dialog.begin("Unlock Quorbit");
            for (int attempt = 0; attempt < 2; ++attempt) {
                if (attempt > 0) dialog.answerRefused();
                const std::optional<SecretBytes> typed = dialog.answer("Password:", false);
                answers.emplace_back(typed ? typed->asText() : "(cancelled)");
            }
            dialog.end();
        });

        // The answers are typed from a timer: a question waits in an event loop of its own.
        int typedAnswers = 0;
        bool openAtSecondQuestion = false;
        bool saidWhy = false;
        bool saidWhichPassword = false;
        QTimer owner;
        QObject::connect(&owner, &QTimer::timeout, [&] {
            if (typedAnswers == 0 && typeAnswer(dialog, QStringLiteral("battery staple"))) {
                saidWhichPassword = showsText(dialog, c.wanted);
                ++typedAnswers;
            } else if (typedAnswers == 1 && showsText(dialog, c.refused)) {
                saidWhy = true;
                openAtSecondQuestion = hides == 0;
                if (typeAnswer(dialog, QStringLiteral("correct horse"))) ++typedAnswers;
            }
        });
        owner.start(20);
        QElapsedTimer waited;
        waited.start();
        while (conversation.wait_for(0s) != std::future_status::ready) {
            if (waited.elapsed() > 20'000) dialog.reject();  // so that a failure does not hang
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }

        EXPECT_TRUE(saidWhichPassword);
        EXPECT_TRUE(saidWhy);
        EXPECT_TRUE(openAtSecondQuestion) << "open from the first question to the second";
        EXPECT_EQ(answers, (std::vector<std::string>{"battery staple", "correct horse"}));
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
}  // namespace quorbit
