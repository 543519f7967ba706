#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "PanelFixture.h"
#include "application/settings/CodeFormat.h"
#include "ui/ObjectNames.h"
#include "ui/panel/AccountList.h"
#include "ui/panel/AccountRow.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

class CopyFromPanelTest : public PanelFixture {};

TEST_F(CopyFromPanelTest, UnlockSearchAndCopyTheFirstRow) {
    storeAccounts(sampleAccounts());
    AppSettings settings;
    settings.language = AppLanguage::english;
    PanelView& view = makePanel(settings, false);
    view.show();
    delays.hold(true);

    QTest::mouseClick(find<QPushButton>(names::unlockButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewModel->isUnlocked() && !viewModel->codes().empty(); }));
    QTest::keyClicks(find<QLineEdit>(names::searchField), QStringLiteral("git"));
    auto* list = find<AccountList>(names::accountList);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->rows().size() == 1; }));
    AccountRow* row = list->rows().front();
    EXPECT_EQ(row->account().issuer, "GitHub");

    QTest::mouseClick(row, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clipboard.copies().empty(); }));
    const std::string code = viewModel->codes().at(row->accountId());
    EXPECT_EQ(clipboard.copies().back().text, code);
    ASSERT_TRUE(QTest::qWaitFor([&] { return row->codeText() == QStringLiteral("Copied"); }));

    ASSERT_TRUE(QTest::qWaitFor([&] { return delays.pending() > 0; }));  // the copied mark's 1.2 s
    delays.elapse();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return row->codeText() ==
               QString::fromStdString(format(CodeFormat::grouped, viewModel->codes().at(row->accountId())));
    }));
    EXPECT_EQ(list->rows().front(), row);  // updated in place, not rebuilt
}

TEST_F(CopyFromPanelTest, AnOpenRowMenuSurvivesTicksAndActsOnItsAccount) {
    storeAccounts(sampleAccounts());
    AppSettings settings;
    settings.language = AppLanguage::english;
    PanelView& view = makePanel(settings, true);
    view.show();
    auto* list = find<AccountList>(names::accountList);
    AccountRow* row = list->row(sampleAccount("AWS").id);
    ASSERT_NE(row, nullptr);
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(20, 20), row->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(row, &open);
    QMenu* menu = row->openMenu();
    ASSERT_NE(menu, nullptr);

    for (int tick = 0; tick < 3; ++tick) run(viewModel->refreshTick());
    EXPECT_EQ(list->row(row->accountId()), row);
    EXPECT_EQ(row->openMenu(), menu);
    EXPECT_TRUE(menu->isVisible());

    QAction* pin = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("Pin")) pin = action;
    }
    ASSERT_NE(pin, nullptr);
    QSignalSpy reloaded(viewModel.get(), &QuorbitViewModel::codesChanged);  // the reload's last step
    pin->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reloaded.isEmpty(); }));
    const auto& accounts = viewModel->accounts();
    EXPECT_TRUE(std::any_of(accounts.begin(), accounts.end(),
                            [](const OtpAccount& a) { return a.issuer == "AWS" && a.isFavorite; }));
}

}  // namespace
}  // namespace quorbit::test
