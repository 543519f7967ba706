#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "SettingsWindowFixture.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::settings;

class ImportExportTabTest : public SettingsWindowFixture {
protected:
    void type(const QString& text) {
        auto* editor = find<QPlainTextEdit>(names::uriTextEditor);
        editor->setFocus();
        editor->selectAll();
        for (const QChar c : text) {
            if (c == '\n') QTest::keyClick(editor, Qt::Key_Return);
            else if (c == '\t') QTest::keyClick(editor, Qt::Key_Tab);
            else QTest::keyClicks(editor, QString(c));
        }
    }
    void press(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
};

TEST_F(ImportExportTabTest, ImportTextIsOfferedOnlyForTextWithSomethingVisible) {
    const std::pair<QString, bool> cases[] = {
        {"", false}, {"   ", false}, {"\n\t \n", false}, {" x ", true}, {"\notpauth://totp/A?secret=JBSWY3DP\n", true},
    };
    open();
    showTab(names::importExportTabButton);
    auto* importText = find<QPushButton>(names::importTextButton);
    EXPECT_FALSE(importText->isEnabled());
    for (const auto& [text, enabled] : cases) {
        find<QPlainTextEdit>(names::uriTextEditor)->clear();
        type(text);
        EXPECT_EQ(importText->isEnabled(), enabled) << text.toStdString();
    }
}

TEST_F(ImportExportTabTest, ImportTextHandsOverTheTextAndKeepsItInTheEditor) {
    const QString pasted = "  otpauth://totp/Example:alice?secret=JBSWY3DPEHPK3PXP&issuer=Example\n\n";
    open();
    showTab(names::importExportTabButton);
    type(pasted);

    press(names::importTextButton);

    ASSERT_TRUE(QTest::qWaitFor([&] { return repository.accounts().size() == 1; }));
    EXPECT_EQ(repository.accounts().front().accountName, "alice");
    EXPECT_EQ(find<QPlainTextEdit>(names::uriTextEditor)->toPlainText(), pasted);
}

// While a long import runs, the other imports wait and its Cancel shows; cancelled, it is gone.
TEST_F(ImportExportTabTest, ALongImportOffersItsCancelAndHoldsTheOtherImports) {
    QString lines;
    for (int n = 0; n < 600; ++n)
        lines += QStringLiteral("otpauth://totp/Bulk:user%1?secret=JBSWY3DPEHPK3PXP\n").arg(n);
    open();
    showTab(names::importExportTabButton);
    find<QPlainTextEdit>(names::uriTextEditor)->setPlainText(lines);
    auto* cancel = find<QPushButton>(names::cancelImportButton);
    auto* importBackup = find<QPushButton>(names::importBackupButton);
    EXPECT_FALSE(cancel->isVisible());
    bool cancelShown = false;
    bool backupHeld = false;
    bool clicked = false;
    QObject::connect(viewModel.get(), &QuorbitViewModel::statusMessageChanged, [&] {
        // A slice ends by count or by time, so how far the first one gets depends on the machine.
        const QString status = viewModel->statusMessage().value_or(QString());
        if (!status.startsWith(QStringLiteral("Importing ")) || !status.endsWith(QStringLiteral(" of 600\u2026")))
            return;
        if (clicked) return;
        clicked = true;
        cancelShown = cancel->isVisible();
        backupHeld = !importBackup->isEnabled();
        QTest::mouseClick(cancel, Qt::LeftButton);
    });

    press(names::importTextButton);

    ASSERT_TRUE(
        QTest::qWaitFor([&] { return viewModel->statusMessage() == QStringLiteral("Import cancelled"); }, 20'000));
    EXPECT_TRUE(cancelShown);
    EXPECT_TRUE(backupHeld);
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_TRUE(importBackup->isEnabled());
    EXPECT_TRUE(repository.accounts().empty());
}

TEST_F(ImportExportTabTest, ALockEmptiesTheEditorAndItsUndoHistory) {
    open();
    run(viewModel->unlock());
    showTab(names::importExportTabButton);
    type(QStringLiteral("otpauth://totp/Example:alice?secret=JBSWY3DPEHPK3PXP"));
    auto* editor = find<QPlainTextEdit>(names::uriTextEditor);

    viewModel->lock();

    EXPECT_TRUE(editor->toPlainText().isEmpty());
    EXPECT_FALSE(editor->document()->isUndoAvailable()) << "an undo would bring the text back";
    EXPECT_FALSE(find<QPushButton>(names::importTextButton)->isEnabled());
}

TEST_F(ImportExportTabTest, TheRecoveryKitFolderIsAskedForAndOnlyAChosenOneGoesOn) {
    open();
    showTab(names::importExportTabButton);

    press(names::recoveryKitButton);  // cancelled
    ASSERT_EQ(dialogs.folderPanels(), (std::vector<std::string>{"Select destination folder"}));
    EXPECT_TRUE(dialogs.alerts().empty());

    dialogs.answerFolderPanel(std::filesystem::path("/backups/kit"));
    press(names::recoveryKitButton);
    EXPECT_EQ(dialogs.folderPanels().size(), 2u);
    // The kit's own warning comes next, after the unlock: the view model has the chosen folder.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.alerts().size() == 1; }));
    EXPECT_EQ(dialogs.alerts().front().message, "Before creating Recovery Kit");
}

}  // namespace
}  // namespace quorbit::test
