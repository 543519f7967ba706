#include "ui/windows/WidgetWindowFactory.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

#include "ui/viewmodel/ViewModelFixture.h"
#include "ui/windows/WidgetWindowHolder.h"

namespace quorbit::test {
namespace {

class WidgetWindowFactoryTest : public ViewModelFixture {
protected:
    // The windows and their loads end before the view model goes.
    ~WidgetWindowFactoryTest() override {
        QTest::qWait(50);
        flushDeferredDeletes();
    }

    static void flushDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QWidget* windowOf(WindowHolder& holder) { return dynamic_cast<WidgetWindowHolder&>(holder).window(); }

    int openingEvents() const {
        int count = 0;
        for (const SecurityEvent& event : events.events()) {
            if (event.kind == SecurityEventKind::dataLifecycleReviewOpened) ++count;
        }
        return count;
    }

    WidgetWindowFactory factory;
};

TEST_F(WidgetWindowFactoryTest, AHolderBuildsNoWindowBeforeItIsShownThenFrontsTheVisibleOne) {
    QuorbitViewModel& vm = makeViewModel();
    std::vector<std::unique_ptr<WindowHolder>> holders;
    holders.push_back(factory.makeSecurityAuditWindow(vm));
    holders.push_back(factory.makeSecurityLogWindow(vm));
    holders.push_back(factory.makeDataLifecycleWindow(vm));
    for (const auto& holder : holders) {
        EXPECT_EQ(windowOf(*holder), nullptr);
        holder->show();
        QPointer<QWidget> first = windowOf(*holder);
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(first->isVisible());
        EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_FALSE(first->testAttribute(Qt::WA_DeleteOnClose));
        holder->show();
        EXPECT_EQ(windowOf(*holder), first);
    }
}

// A closed window lives on until a fresh one replaces it: whatever it was awaiting may still
// come back to it.
TEST_F(WidgetWindowFactoryTest, AClosedWindowIsRebuiltFreshAndOnlyThenReleased) {
    QuorbitViewModel& vm = makeViewModel();
    auto holder = factory.makeSecurityLogWindow(vm);
    holder->show();
    QPointer<QWidget> first = windowOf(*holder);
    holder->close();
    flushDeferredDeletes();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());

    holder->show();
    EXPECT_NE(windowOf(*holder), first.data());
    flushDeferredDeletes();
    EXPECT_EQ(first, nullptr);

    QPointer<QWidget> second = windowOf(*holder);
    holder.reset();
    flushDeferredDeletes();
    EXPECT_EQ(second, nullptr);
}

TEST_F(WidgetWindowFactoryTest, EveryNewLifecycleWindowRecordsItsOpeningAndFrontingDoesNot) {
    QuorbitViewModel& vm = makeViewModel();
    auto holder = factory.makeDataLifecycleWindow(vm);
    holder->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return openingEvents() == 1; }));
    holder->show();
    holder->close();
    holder->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return openingEvents() == 2; }));
    QTest::qWait(20);
    EXPECT_EQ(openingEvents(), 2);
    EXPECT_EQ(events.events().back().message, "Data Lifecycle Center opened");
}

}  // namespace
}  // namespace quorbit::test
