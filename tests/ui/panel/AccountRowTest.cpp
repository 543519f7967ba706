#include "ui/panel/AccountRow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "application/text/AppLocalizer.h"
#include "support/views/SampleAccounts.h"
#include "ui/kit/Theme.h"

namespace quorbit {
namespace {

using test::sampleAccount;

struct CodeCase {
    std::optional<std::string> code;
    bool copied, visible;
    CodeFormat format;
    AppLanguage language;
    const char* expected;
};

class AccountRowCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(AccountRowCodeTest, ShowsCopiedTheFormattedCodeOrTheMask) {
    const CodeCase& c = GetParam();
    EXPECT_EQ(AccountRow::codeText(c.code, c.copied, c.visible, c.format, c.language), QString::fromUtf8(c.expected));
}

constexpr auto grouped = CodeFormat::grouped;
constexpr auto plain = CodeFormat::plain;
constexpr auto en = AppLanguage::english;
constexpr auto ru = AppLanguage::russian;

INSTANTIATE_TEST_SUITE_P(Table, AccountRowCodeTest,
                         testing::Values(CodeCase{"482913", true, false, grouped, en, "Copied"},
                                         CodeCase{"482913", true, true, plain, ru, "Скопировано"},
                                         CodeCase{"482913", false, true, grouped, en, "482 913"},
                                         CodeCase{"4829137", false, true, grouped, en, "4829137"},
                                         CodeCase{"48291375", false, true, grouped, en, "4829 1375"},
                                         CodeCase{"482913", false, true, plain, en, "482913"},
                                         CodeCase{std::nullopt, false, true, grouped, en, "--- ---"},
                                         CodeCase{std::nullopt, false, true, plain, en, "------"},
                                         CodeCase{"48291375", false, false, grouped, en, "--- ---"},
                                         CodeCase{"482913", false, false, plain, ru, "------"}));

AppSettings settingsIn(AppLanguage language) {
    AppSettings settings;
    settings.language = language;
    return settings;
}

class AccountRowTest : public testing::Test {
protected:
    AccountRow row;
    QSignalSpy requested{&row, &AccountRow::actionRequested};

    void show(const OtpAccount& account, std::int64_t seconds = 30, AppSettings settings = settingsIn(en)) {
        row.refresh(account, test::sampleCode(account), seconds, false, false, settings);
    }

    QMenu* openMenu() {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, row.rect().center(), row.mapToGlobal(row.rect().center()));
        QApplication::sendEvent(&row, &event);
        return row.openMenu();
    }

    QStringList menuTexts() {
        QStringList texts;
        QMenu* menu = openMenu();
        for (const QAction* action : menu->actions()) texts.append(action->text());
        menu->close();
        return texts;
    }

    std::pair<AccountRowAction, Uuid> request(qsizetype index) const {
        return {requested.at(index).at(0).value<AccountRowAction>(), requested.at(index).at(1).value<Uuid>()};
    }
};

struct MenuCase {
    const char* account;
    AppLanguage language;
    QStringList texts;
};

class AccountRowMenuTest : public AccountRowTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(AccountRowMenuTest, OffersTheItemsOfTheAccountsKindInTheInterfaceLanguage) {
    show(sampleAccount(GetParam().account), 30, settingsIn(GetParam().language));
    EXPECT_EQ(menuTexts(), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AccountRowMenuTest,
    testing::Values(
        MenuCase{"Old Forum", en, {"Restore", "Delete Permanently"}},
        MenuCase{"Old Forum", ru, {"Восстановить", "Удалить безвозвратно"}},
        MenuCase{"GitHub", en, {"Copy Code", "Pin", "Edit OTP settings", "Move to Trash"}},
        MenuCase{"GitHub", ru, {"Скопировать код", "Закрепить", "Изменить настройки OTP", "Переместить в корзину"}},
        MenuCase{"Example Bank", en, {"Copy Code", "Next HOTP code", "Pin", "Edit OTP settings", "Move to Trash"}},
        MenuCase{
            "Example Bank",
            ru,
            {"Скопировать код", "Следующий HOTP код", "Закрепить", "Изменить настройки OTP", "Переместить в корзину"}},
        MenuCase{"Proton", en, {"Copy Code", "Unpin", "Edit OTP settings", "Move to Trash"}},
        MenuCase{"Proton", ru, {"Скопировать код", "Открепить", "Изменить настройки OTP", "Переместить в корзину"}}));

TEST_F(AccountRowTest, EachMenuItemAsksForItsActionOnTheRowsAccount) {
    const OtpAccount bank = sampleAccount("Example Bank");
    show(bank);
    QMenu* menu = openMenu();
    for (QAction* action : menu->actions()) action->trigger();
    ASSERT_EQ(requested.count(), 5);
    const AccountRowAction expected[] = {AccountRowAction::copy, AccountRowAction::nextHotp, AccountRowAction::favorite,
                                         AccountRowAction::editOtpSettings, AccountRowAction::trash};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(request(i), std::make_pair(expected[i], bank.id)) << i;

    show(sampleAccount("Old Forum"));
    openMenu()->actions().at(1)->trigger();
    EXPECT_EQ(request(5), std::make_pair(AccountRowAction::deletePermanently, sampleAccount("Old Forum").id));
}

TEST_F(AccountRowTest, AClickAsksForThePrimaryActionAlsoOnATrashedAccount) {
    const OtpAccount trashed = sampleAccount("Old Forum");
    show(trashed);
    row.resize(row.sizeHint());
    row.show();
    QTest::mouseClick(&row, Qt::LeftButton);
    row.setFocus();
    QTest::keyClick(&row, Qt::Key_Space);
    ASSERT_EQ(requested.count(), 2);
    EXPECT_EQ(request(0), std::make_pair(AccountRowAction::primary, trashed.id));
    EXPECT_EQ(request(1), std::make_pair(AccountRowAction::primary, trashed.id));
}

TEST_F(AccountRowTest, TicksUpdateTheSameRowWhileItsMenuStaysOpenForItsAccount) {
    const OtpAccount github = sampleAccount("GitHub");
    show(github, 30);
    row.show();
    QMenu* menu = openMenu();
    ASSERT_TRUE(menu->isVisible());

    row.refresh(github, std::string("111222"), 29, false, false, settingsIn(en));
    EXPECT_EQ(row.codeText(), "111 222");
    EXPECT_EQ(row.openMenu(), menu);
    EXPECT_TRUE(menu->isVisible());

    // Even a row handed another account meanwhile acts on the account its menu was opened for.
    row.refresh(sampleAccount("Google"), std::string("333444"), 28, false, false, settingsIn(en));
    menu->actions().at(0)->trigger();
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(request(0), std::make_pair(AccountRowAction::copy, github.id));
}

TEST_F(AccountRowTest, FollowsTheVisibilityRuleAndNamesItselfForAssistiveTools) {
    const OtpAccount aws = sampleAccount("AWS");
    AppSettings hidden = settingsIn(en);
    hidden.hideCodesByDefault = true;
    row.refresh(aws, std::string("48291375"), 12, false, false, hidden);
    EXPECT_EQ(row.codeText(), "--- ---");
    EXPECT_EQ(row.accessibleName(), QString::fromStdString(AppLocalizer(en).accountAccessibility(
                                        aws, std::string("48291375"), 12, false, CodeFormat::grouped)));
    row.refresh(aws, std::string("48291375"), 12, false, true, hidden);
    EXPECT_EQ(row.codeText(), "4829 1375");
    row.refresh(aws, std::string("48291375"), 12, true, false, hidden);
    EXPECT_EQ(row.codeText(), "Copied");
    EXPECT_EQ(row.accessibleName(), QString::fromStdString(AppLocalizer(en).accountAccessibility(
                                        aws, std::string("48291375"), 12, true, CodeFormat::grouped)));
}

// An issuer that would read "Bankexe.png" is named and drawn as stored, without its override.
TEST_F(AccountRowTest, ANameWithBidirectionalControlsCannotDisguiseItself) {
    OtpAccount spoofed = sampleAccount("GitHub");
    spoofed.issuer = "Bank\u202Egnp.exe";
    spoofed.accountName = "\u2067alice\u2069";
    row.resize(368, AccountRow::preferredHeight(spoofed, AccountRow::LineHeights()));
    row.refresh(spoofed, std::string("482913"), 12, false, true, settingsIn(en));
    const QString spoken = row.accessibleName();
    EXPECT_TRUE(spoken.startsWith(QStringLiteral("Bankgnp.exe, alice, "))) << spoken.toStdString();
    EXPECT_EQ(row.account().issuer, "Bank\u202Egnp.exe");  // the stored text is left alone
    const QImage drawn = row.grab().toImage();

    OtpAccount cleaned = spoofed;
    cleaned.issuer = "Bankgnp.exe";
    cleaned.accountName = "alice";
    row.refresh(cleaned, std::string("482913"), 12, false, true, settingsIn(en));
    EXPECT_EQ(drawn, row.grab().toImage());
}

TEST_F(AccountRowTest, RepaintsWhatEachNewValueChanges) {
    OtpAccount github = sampleAccount("GitHub");
    show(github, 30);
    row.resize(368, row.sizeHint().height());
    const QImage start = row.grab().toImage();
    show(github, 30);
    EXPECT_EQ(row.grab().toImage(), start);

    show(github, 12);
    const QImage ticked = row.grab().toImage();
    EXPECT_NE(ticked, start);
    github.isFavorite = true;  // the pin appears after the title
    show(github, 12);
    const QImage pinned = row.grab().toImage();
    EXPECT_NE(pinned, ticked);
    row.setPalette(Theme::palette(true));
    EXPECT_NE(row.grab().toImage(), pinned);
}

TEST_F(AccountRowTest, GrowsWithTheLinesItShows) {
    OtpAccount account = sampleAccount("AWS");
    show(account);
    const int plainHeight = row.sizeHint().height();
    account.tags = {"Work"};
    show(account);
    EXPECT_GT(row.sizeHint().height(), plainHeight);
    account.issuer.clear();  // the account name becomes the title; no account line
    account.tags.clear();
    show(account);
    EXPECT_EQ(row.sizeHint().height(), 50);  // the 30 px indicator and the insets
}

}  // namespace
}  // namespace quorbit
