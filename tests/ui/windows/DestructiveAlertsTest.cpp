#include <functional>
#include <string>
#include <vector>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/ObjectNames.h"
#include "ui/kit/Palette.h"
#include "ui/platform/AlertBox.h"
#include "ui/windows/DataLifecycleCenter.h"
#include "ui/windows/SecurityLog.h"
#include "ui/windows/WindowsFixture.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::windows;

// Every alert that deletes or clears, as its road builds it, shown by the real message box.
class DestructiveAlertsTest : public WindowsFixture {
protected:
    struct Road {
        const char* name;
        std::function<void()> start;
        std::vector<std::string> messages;  // of the alerts it shows, in order
    };

    void SetUp() override {
        WindowsFixture::SetUp();
        dialogs.observeAlerts([this](const DialogPresenter::Alert& alert) { shown.push_back(alert); });
        dialogs.setDefaultAlertAnswer({false, false});
        OtpAccount trashed = storedAccount("Old Bank", "alice");
        trashed.trashedAt = sampleNow();
        storeAccounts({storedAccount("GitHub", "alice"), trashed});
        model();
    }

    void clickInLifecycleCenter(DataLifecycleCategory category, bool selectFirst, const char* button) {
        center = std::make_unique<DataLifecycleCenter>(*viewModel);
        center->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !center->isLoading(); }));
        child<QListWidget>(*center, names::lifecycleCategories)->setCurrentRow(int(category));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !center->isLoading(); }));
        if (selectFirst) child<QListWidget>(*center, names::lifecycleAccounts)->item(0)->setSelected(true);
        QTest::mouseClick(child<QPushButton>(*center, button), Qt::LeftButton);
    }

    void clearSecurityLog() {
        events.setEvents({SecurityEvent{
            Uuid::random(), SecurityEventKind::appLocked, sampleNow(), std::nullopt, std::nullopt, "App locked", {}}});
        log = std::make_unique<SecurityLog>(*viewModel);
        log->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !log->isLoading(); }));
        QTest::mouseClick(child<QPushButton>(*log, names::securityLogClear), Qt::LeftButton);
    }

    static QPushButton* button(const AlertBox& box, const std::string& text) {
        for (QAbstractButton* candidate : box.buttons()) {
            if (candidate->text() == QString::fromStdString(text)) return qobject_cast<QPushButton*>(candidate);
        }
        return nullptr;
    }

    std::vector<DialogPresenter::Alert> shown;
    std::unique_ptr<DataLifecycleCenter> center;
    std::unique_ptr<SecurityLog> log;
};

TEST_F(DestructiveAlertsTest, ReturnAndEscapeCancelAndOnlyTheRedButtonGoesOn) {
    const std::vector<Road> roads = {
        {"delete all",
         [this] {
             dialogs.answerAlertWithFirstButton(true);
             viewModel->deleteAllTokensWithConfirmation();
         },
         {"Delete all tokens?", "Confirm permanent deletion"}},
        {"delete permanently",
         [this] { clickInLifecycleCenter(DataLifecycleCategory::trash, true, names::lifecycleDelete); },
         {"Delete Permanently"}},
        {"empty trash",
         [this] { clickInLifecycleCenter(DataLifecycleCategory::trash, false, names::lifecycleEmptyTrash); },
         {"Empty Trash"}},
        {"move to trash",
         [this] { clickInLifecycleCenter(DataLifecycleCategory::untagged, true, names::lifecycleMoveToTrash); },
         {"Move to Trash"}},
        {"clear log", [this] { clearSecurityLog(); }, {"Clear Log"}},
    };
    struct Answer {
        const char* name;
        std::function<void(AlertBox&, QPushButton* destroy)> give;
        bool goesOn;
    };
    const std::vector<Answer> answers = {
        {"Return", [](AlertBox& box, QPushButton*) { QTest::keyClick(box.focusWidget(), Qt::Key_Return); }, false},
        {"Enter", [](AlertBox& box, QPushButton*) { QTest::keyClick(&box, Qt::Key_Enter); }, false},
        {"Escape", [](AlertBox& box, QPushButton*) { QTest::keyClick(box.focusWidget(), Qt::Key_Escape); }, false},
        {"click", [](AlertBox&, QPushButton* destroy) { QTest::mouseClick(destroy, Qt::LeftButton); }, true},
    };
    for (const Road& road : roads) {
        shown.clear();
        road.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == road.messages.size(); })) << road.name;
        for (const DialogPresenter::Alert& alert : shown) {
            for (const Answer& answer : answers) {
                AlertBox box(alert);
                box.show();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
                QPushButton* cancel = button(box, *alert.cancelButton);
                QPushButton* destroy = button(box, alert.firstButton);
                ASSERT_TRUE(cancel && destroy) << alert.message;
                EXPECT_EQ(box.defaultButton(), cancel) << alert.message;
                EXPECT_LT(cancel->x(), destroy->x()) << alert.message << ": Cancel comes first";
                EXPECT_EQ(destroy->palette().color(QPalette::ButtonText), Palette(box.palette()).red())
                    << alert.message;
                answer.give(box, destroy);
                EXPECT_EQ(box.answer().firstButtonChosen, answer.goesOn) << alert.message << " by " << answer.name;
            }
        }
        center.reset();
        log.reset();
    }
}

}  // namespace
}  // namespace quorbit::test
