#include "ui/windows/MigrationImportWindow.h"

#include <fstream>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "domain/QuorbitError.h"
#include "support/TestPaths.h"
#include "ui/ObjectNames.h"
#include "ui/windows/WindowsFixture.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::windows;

GoogleAuthAccount decoded(std::string issuer, std::string name, int digits = 6) {
    GoogleAuthAccount account;
    account.secret = SecretBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    account.issuer = std::move(issuer);
    account.name = std::move(name);
    account.digits = digits;
    return account;
}

class MigrationImportWindowTest : public WindowsFixture {
protected:
    MigrationImportWindow& open(std::vector<GoogleAuthAccount> accounts, bool isFinalBatch = true) {
        window = std::make_unique<MigrationImportWindow>(model(), std::move(accounts), isFinalBatch,
                                                         [this] { ++completions; });
        window->show();
        return *window;
    }

    QPushButton* importButton() const { return child<QPushButton>(*window, names::importConfirm); }
    QList<QCheckBox*> ticks() const { return window->findChildren<QCheckBox*>(names::importRowCheck); }
    QLabel* error() const { return child<QLabel>(*window, names::importError); }

    int completions = 0;
    std::unique_ptr<MigrationImportWindow> window;
};

TEST_F(MigrationImportWindowTest, ImportIsEnabledOnlyWhileSomethingIsTicked) {
    open({decoded("GitHub", "alice"), decoded("", "bob")});
    EXPECT_FALSE(importButton()->isEnabled());
    QTest::mouseClick(ticks()[1], Qt::LeftButton);
    EXPECT_TRUE(importButton()->isEnabled());
    EXPECT_EQ(window->selectedIndices(), std::set<int>{1});
    QTest::mouseClick(ticks()[1], Qt::LeftButton);
    EXPECT_FALSE(importButton()->isEnabled());
    EXPECT_TRUE(window->selectedIndices().empty());
    // Return does nothing while Import is disabled.
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(completions, 0);
}

TEST_F(MigrationImportWindowTest, ThePanelFillsTheWindowLess48UpTo720By600Centred) {
    struct SizeCase {
        QSize window, panel;
    };
    const SizeCase cases[] = {{{760, 640}, {712, 592}}, {{1000, 900}, {720, 600}}, {{600, 700}, {552, 600}}};
    open({decoded("GitHub", "alice")}, false);
    auto* glass = child<QWidget>(*window, names::importPanel);
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.window.width());
        window->resize(c.window);
        QCoreApplication::processEvents();
        EXPECT_EQ(glass->geometry(),
                  QRect(QPoint((c.window.width() - c.panel.width()) / 2, (c.window.height() - c.panel.height()) / 2),
                        c.panel));
    }
    window->resize(120, 100);
    QCoreApplication::processEvents();
    const QSize content = glass->layout()->minimumSize() + QSize(48, 48);
    EXPECT_GE(window->width(), std::max(content.width(), 500));
    EXPECT_GE(window->height(), std::max(content.height(), 400));
}

TEST_F(MigrationImportWindowTest, RowsNameTheAccountAsPlainTextAndMarkInvalidOnes) {
    open({decoded("<b>x</b>", "alice"), decoded("", "bob"), decoded("", ""), decoded("Bank", "", 9)});
    const QList<QLabel*> titles = window->findChildren<QLabel*>(names::importRowTitle);
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(titles[0]->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(titles[0]->textFormat(), Qt::PlainText);
    EXPECT_EQ(titles[1]->text(), QStringLiteral("bob"));
    EXPECT_EQ(titles[2]->text(), QStringLiteral("Unnamed Account"));
    EXPECT_EQ(titles[3]->text(), QStringLiteral("Bank"));
    const QList<QLabel*> names = window->findChildren<QLabel*>(names::importRowName);
    EXPECT_TRUE(names[0]->isVisible());
    EXPECT_FALSE(names[1]->isVisible());
    const QList<QWidget*> invalid = window->findChildren<QWidget*>(names::importRowInvalid);
    EXPECT_FALSE(invalid[0]->isVisible());
    EXPECT_TRUE(invalid[3]->isVisible());
}

TEST_F(MigrationImportWindowTest, TheBatchNoticeShowsOnlyBeforeTheLastCode) {
    open({decoded("GitHub", "alice")}, false);
    EXPECT_NE(child<QWidget>(*window, names::importBatchNotice), nullptr);
    open({decoded("GitHub", "alice")}, true);
    EXPECT_EQ(child<QWidget>(*window, names::importBatchNotice), nullptr);
}

TEST_F(MigrationImportWindowTest, AFailureShowsItsTextAndTheWindowStaysWithItsSelection) {
    open({decoded("GitHub", "alice")});
    repository.failSavesWith(QuorbitError(QuorbitError::Case::persistenceFailure));
    QTest::mouseClick(ticks()[0], Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return error()->isVisible(); }));
    EXPECT_FALSE(error()->text().isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(importButton()->isEnabled());
    EXPECT_EQ(completions, 0);
}

TEST_F(MigrationImportWindowTest, ASuccessfulImportAnnouncesItselfAndCompletesOnce) {
    open({decoded("GitHub", "alice"), decoded("GitLab", "alice")});
    QTest::mouseClick(ticks()[1], Qt::LeftButton);
    QTest::mouseClick(importButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }));
    QTest::qWait(20);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(viewModel->statusMessage(), QStringLiteral("Google Authenticator accounts imported"));
    ASSERT_EQ(repository.accounts().size(), 1u);
    EXPECT_EQ(repository.accounts()[0].issuer, "GitLab");
}

TEST_F(MigrationImportWindowTest, EscapeCancelAndTheCloseButtonEachCompleteOnce) {
    const std::vector<std::function<void(MigrationImportWindow&)>> endings = {
        [](MigrationImportWindow& shown) { QTest::keyClick(&shown, Qt::Key_Escape); },
        [](MigrationImportWindow& shown) {
            QTest::mouseClick(shown.findChild<QPushButton*>(names::importCancel), Qt::LeftButton);
        },
        [](MigrationImportWindow& shown) { shown.close(); },
    };
    for (std::size_t i = 0; i < endings.size(); ++i) {
        completions = 0;
        endings[i](open({decoded("GitHub", "alice")}));
        QTest::qWait(20);
        EXPECT_FALSE(window->isVisible()) << i;
        EXPECT_EQ(completions, 1) << i;
        window->close();
        QTest::qWait(10);
        EXPECT_EQ(completions, 1) << i;
    }
}

// The view model's completion clears its field only while it holds that window.
TEST_F(MigrationImportWindowTest, ClosingAnOlderWindowKeepsTheNewerOne) {
    QuorbitViewModel& vm = model();
    std::string payload;
    std::getline(std::ifstream(fixturePath("migration/two-accounts.txt")), payload);
    run(vm.handleGoogleAuthMigration(payload, false));
    WindowHolder* older = vm.googleAuthWindowController();
    run(vm.handleGoogleAuthMigration(payload, false));
    WindowHolder* newer = vm.googleAuthWindowController();
    ASSERT_NE(newer, nullptr);
    EXPECT_NE(newer, older);
    QTest::qWait(20);
    EXPECT_EQ(vm.googleAuthWindowController(), newer);
    newer->close();
    QTest::qWait(20);
    EXPECT_EQ(vm.googleAuthWindowController(), nullptr);
}

}  // namespace
}  // namespace quorbit::test
