#include "ui/windows/SecurityLog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>

#include "ui/ObjectNames.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/windows/WindowsFixture.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::windows;
using std::chrono::hours;

SecurityEvent event(SecurityEventKind kind, std::string message, TimePoint time,
                    std::optional<std::string> label = std::nullopt) {
    return SecurityEvent{Uuid::random(), kind, time, std::nullopt, std::move(label), std::move(message), {}};
}

class SecurityLogTest : public WindowsFixture {
protected:
    // The unlock of the view model logs as well: the stored events are put in place after it.
    SecurityLog& open(std::vector<SecurityEvent> stored = {}) {
        QuorbitViewModel& vm = model();
        events.setEvents(std::move(stored));
        log = std::make_unique<SecurityLog>(vm);
        log->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !log->isLoading(); }));
        return *log;
    }

    QPushButton* clearButton() const { return child<QPushButton>(*log, names::securityLogClear); }
    bool showsEmptyView() const { return child<QWidget>(*log, names::securityLogEmpty)->isVisibleTo(log.get()); }
    QStringList rowMessages() const {
        QStringList messages;
        QWidget* list = child<QScrollArea>(*log, names::securityLogEvents)->widget();
        for (QWidget* row : list->findChildren<QWidget*>(names::securityLogRow)) {
            for (QLabel* label : row->findChildren<QLabel*>()) {
                if (label->text().startsWith(QStringLiteral("msg "))) messages << label->text();
            }
        }
        return messages;
    }

    std::unique_ptr<SecurityLog> log;
};

TEST_F(SecurityLogTest, ShowsTheNewestFirstWithTheSystemsShortDate) {
    const TimePoint earlier = sampleNow() - hours(30);
    open({event(SecurityEventKind::codeCopied, "msg older", earlier),
          event(SecurityEventKind::appLocked, "msg newer", sampleNow(), "GitHub")});
    EXPECT_EQ(rowMessages(), (QStringList{"msg newer", "msg older"}));
    const QList<QLabel*> dates =
        child<QScrollArea>(*log, names::securityLogEvents)->widget()->findChildren<QLabel*>(names::securityLogRowDate);
    ASSERT_EQ(dates.size(), 2);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(earlier.time_since_epoch()).count();
    EXPECT_EQ(dates[1]->text(),
              QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds).toLocalTime(), QLocale::ShortFormat));
    EXPECT_FALSE(showsEmptyView());
}

TEST_F(SecurityLogTest, ALongAccountLabelLeavesTheTimeInView) {
    open({event(SecurityEventKind::codeCopied, "msg long", sampleNow(), std::string(300, 'W'))});
    QWidget* row =
        child<QScrollArea>(*log, names::securityLogEvents)->widget()->findChild<QWidget*>(names::securityLogRow);
    ASSERT_NE(row, nullptr);
    QCoreApplication::processEvents();
    const QWidget* date = row->findChild<QLabel*>(names::securityLogRowDate);
    EXPECT_LE(row->mapTo(log.get(), QPoint(row->width(), 0)).x(), log->width());
    EXPECT_LE(date->geometry().right(), row->width());
    EXPECT_GE(date->width(), date->sizeHint().width());
}

TEST_F(SecurityLogTest, AFilterWithoutMatchesShowsTheEmptyViewAndKeepsClearEnabled) {
    open({event(SecurityEventKind::codeCopied, "msg copied", sampleNow())});
    auto* filter = child<SegmentedControl>(*log, names::securityLogFilter);
    QTest::mouseClick(filter->segment(1), Qt::LeftButton);  // Import & Backup
    EXPECT_TRUE(showsEmptyView());
    EXPECT_TRUE(clearButton()->isEnabled());
    QTest::mouseClick(filter->segment(0), Qt::LeftButton);
    EXPECT_EQ(rowMessages(), QStringList{"msg copied"});
}

TEST_F(SecurityLogTest, AnEmptyLogSaysSoAndCannotBeCleared) {
    open();
    EXPECT_TRUE(showsEmptyView());
    EXPECT_FALSE(clearButton()->isEnabled());
}

// The list shows what is stored after the clear: a clear whose write was lost keeps the events.
TEST_F(SecurityLogTest, ClearingShowsWhatIsStoredAfterwards) {
    struct Case {
        const char* name;
        bool confirmed;
        bool clearLost;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {"cleared", true, false, {}},
        {"cancelled", false, false, {"msg kept"}},
        {"clear lost", true, true, {"msg kept"}},
    };
    for (const Case& c : cases) {
        events.loseClears(c.clearLost);
        dialogs.setDefaultAlertAnswer({c.confirmed, false});
        open({event(SecurityEventKind::appUnlocked, "msg kept", sampleNow())});
        auto* filter = child<SegmentedControl>(*log, names::securityLogFilter);
        QTest::mouseClick(filter->segment(3), Qt::LeftButton);  // Security
        QTest::mouseClick(clearButton(), Qt::LeftButton);
        QTest::qWait(20);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !log->isLoading(); })) << c.name;
        EXPECT_EQ(dialogs.alerts().back().message, "Clear Log") << c.name;
        EXPECT_EQ(rowMessages(), c.shown) << c.name;
        EXPECT_EQ(clearButton()->isEnabled(), !c.shown.isEmpty()) << c.name;
        EXPECT_EQ(filter->currentIndex(), 3) << c.name;
        log.reset();
        viewModel.reset();
    }
}

}  // namespace
}  // namespace quorbit::test
