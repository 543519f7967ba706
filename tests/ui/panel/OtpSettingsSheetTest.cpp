#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "PanelFixture.h"
#include "ui/ObjectNames.h"
#include "ui/panel/OtpSettingsSheet.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

class OtpSettingsSheetTest : public PanelFixture {
protected:
    OtpSettingsSheet& edit(const OtpAccount& account) {
        viewModel->beginEditingTags(account);
        OtpSettingsSheet* sheet = panel->sheet();
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }

    OtpAccount stored(const Uuid& id) {
        for (const OtpAccount& account : repository.loadAccounts()) {
            if (account.id == id) return account;
        }
        throw std::out_of_range("no such account");
    }

    QPushButton* chip(OtpSettingsSheet& sheet, const QString& tag) {
        for (auto* button : sheet.findChildren<QPushButton*>(names::tagChip)) {
            if (button->property("tag").toString() == tag) return button;
        }
        return nullptr;
    }
};

TEST_F(OtpSettingsSheetTest, SavingOnlyATagKeepsAnUnusualPeriod) {
    OtpAccount totp = storedAccount("Slow", "alice");
    totp.period = 300;
    totp.tags = {"Work"};
    OtpAccount hotp = storedAccount("Counter", "bob");
    hotp.type = OtpType::hotp;
    hotp.period = 0;
    hotp.hotpCounter = 7;
    storeAccounts({totp, hotp});
    AppSettings settings;
    settings.language = AppLanguage::english;
    makePanel(settings, true).show();
    for (const OtpAccount& account : {totp, hotp}) {
        SCOPED_TRACE(account.issuer);
        OtpSettingsSheet& sheet = edit(account);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.width(), OtpSettingsSheet::sheetWidth);
        QPushButton* work = chip(sheet, QStringLiteral("Work"));
        ASSERT_NE(work, nullptr);
        work->click();
        QTest::keyClick(&sheet, Qt::Key_Return);
        // The save ends with its reload and status line.
        ASSERT_TRUE(QTest::qWaitFor([&] { return viewModel->statusMessage() == QStringLiteral("Tags updated"); }));
        viewModel->setStatusMessage(std::nullopt);
        EXPECT_FALSE(viewModel->editingTagsAccount());
        const OtpAccount saved = stored(account.id);
        EXPECT_EQ(saved.period, account.period);
        EXPECT_EQ(saved.hotpCounter, account.hotpCounter);
        EXPECT_NE(saved.tags, account.tags);
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel->sheet() == nullptr; }));
    }
}

TEST_F(OtpSettingsSheetTest, CancelAndClosingStopTheEditing) {
    storeAccounts(sampleAccounts());
    makePanel({}, true).show();
    const OtpAccount github = sampleAccount("GitHub");
    {
        OtpSettingsSheet& sheet = edit(github);
        sheet.findChild<QPushButton*>(names::sheetCancel)->click();
        EXPECT_FALSE(viewModel->editingTagsAccount());
        EXPECT_FALSE(sheet.isVisible());
    }
    {
        OtpSettingsSheet& sheet = edit(github);
        viewModel->setEditorPeriod(45);
        QTest::keyClick(&sheet, Qt::Key_Escape);
        EXPECT_FALSE(viewModel->editingTagsAccount());
        EXPECT_EQ(viewModel->editorPeriod(), 30);  // the editor was reset
    }
}

}  // namespace
}  // namespace quorbit::test
