#include "ui/windows/SecurityCenter.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>

#include "support/StoredAccount.h"
#include "ui/ObjectNames.h"
#include "ui/windows/WindowsFixture.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::windows;

const SecretBytes sharedSecret{9, 9, 9, 9, 9, 9, 9, 9, 9, 9};

class SecurityCenterTest : public WindowsFixture {
protected:
    OtpAccount github = tagged(storedAccount("GitHub", "alice"));
    OtpAccount mail = tagged(storedAccount("", "bob@example.com"));

    static OtpAccount tagged(OtpAccount account) {
        account.tags = {"Work"};
        return account;
    }

    // GitHub and the account without an issuer share one secret: a critical finding naming
    // both, and a warning for the missing issuer.
    void shareOneSecret() {
        secrets.saveSecret(sharedSecret, github.secretRef);
        secrets.saveSecret(sharedSecret, mail.secretRef);
    }

    SecurityCenter& open() {
        center = std::make_unique<SecurityCenter>(model());
        center->show();
        settle();
        return *center;
    }

    void settle() const {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !center->isLoading(); }));
    }

    QWidget* issueList() const { return child<QScrollArea>(*center, names::securityIssues)->widget(); }

    QStringList sectionTitles() const {
        QStringList titles;
        for (QWidget* section : issueList()->findChildren<QWidget*>(names::securitySection)) {
            titles << section->findChild<QLabel*>()->text();
        }
        return titles;
    }

    QList<QWidget*> cards() const { return issueList()->findChildren<QWidget*>(names::securityIssueCard); }

    // The affected-accounts line of each card, empty where a card has none.
    QStringList affectedLines() const {
        QStringList lines;
        for (QWidget* card : cards()) {
            auto* line = card->findChild<QLabel*>(names::securityAffectedAccounts);
            lines << (line ? line->text() : QString());
        }
        return lines;
    }

    bool shows(const char* name) const { return child<QWidget>(*center, name)->isVisibleTo(center.get()); }

    long auditRuns() const {
        return std::ranges::count(events.events(), SecurityEventKind::securityAuditRun, &SecurityEvent::kind);
    }

    std::unique_ptr<SecurityCenter> center;
};

TEST_F(SecurityCenterTest, SectionsFollowTheSeverityAndOnlyNonEmptyOnesShow) {
    const OtpAccount untagged = storedAccount("Untagged", "carol");
    struct Case {
        const char* name;
        std::vector<OtpAccount> accounts;
        bool shareOneSecret;
        QStringList sections;
    };
    const std::vector<Case> cases = {
        {"every severity", {github, mail, untagged}, true, {"Critical", "Warnings", "Recommendations"}},
        {"only recommendations", {untagged}, false, {"Recommendations"}},
        {"nothing found", {github}, false, {}},
    };
    for (const Case& c : cases) {
        storeAccounts(c.accounts);
        if (c.shareOneSecret) shareOneSecret();
        open();
        EXPECT_EQ(sectionTitles(), c.sections) << c.name;
        EXPECT_EQ(shows(names::securityNoIssues), c.sections.isEmpty()) << c.name;
        EXPECT_EQ(shows(names::securitySummary), !c.sections.isEmpty()) << c.name;
        center.reset();
        viewModel.reset();
    }
}

// A secret missing from the keyring is skipped and the other rules still report; an audit that
// could not run at all is not shown as a clean one.
TEST_F(SecurityCenterTest, AMissingSecretIsSkippedAndARefusedUnlockShowsTheCheckAsNotRun) {
    storeAccounts({github, storedAccount("Untagged", "carol")});
    secrets.saveSecret(sharedSecret, github.secretRef);
    open();
    EXPECT_EQ(sectionTitles(), QStringList{"Recommendations"});
    EXPECT_FALSE(shows(names::securityNotRun));
    center.reset();
    viewModel.reset();

    // The first audit's unlock would still be running; the owner now refuses a fresh one.
    vault.lock();
    unlocker.setAccepts(false);
    open();
    EXPECT_TRUE(center->didNotRun());
    EXPECT_TRUE(shows(names::securityNotRun));
    EXPECT_FALSE(shows(names::securityNoIssues));
    EXPECT_FALSE(shows(names::securitySummary));
    EXPECT_EQ(auditRuns(), 1);
}

TEST_F(SecurityCenterTest, IgnoringTheLastFindingShowsNoIssuesWithoutAnotherAudit) {
    storeAccounts({storedAccount("Untagged", "carol")});
    open();
    ASSERT_EQ(cards().size(), 1);

    QTest::mouseClick(cards().front()->findChild<QPushButton*>(names::securityIgnore), Qt::LeftButton);

    ASSERT_TRUE(QTest::qWaitFor([this] { return shows(names::securityNoIssues); }));
    EXPECT_FALSE(shows(names::securitySummary));
    EXPECT_EQ(ignoredIssues.loadIgnoredKeys().size(), 1u);
    EXPECT_EQ(auditRuns(), 1);
}

// The names come from the view model's list at every change of it: an account without an
// issuer goes by its account name, and accounts that are gone drop out of the line.
TEST_F(SecurityCenterTest, TheAffectedAccountsLineFollowsTheViewModelsAccounts) {
    storeAccounts({github, mail});
    shareOneSecret();
    open();
    ASSERT_EQ(affectedLines(),
              (QStringList{"Affected accounts: GitHub, bob@example.com", "Affected accounts: bob@example.com"}));

    run(viewModel->deletePermanently(mail));
    EXPECT_EQ(affectedLines(), (QStringList{"Affected accounts: GitHub", QString()}));

    viewModel->lock();
    EXPECT_EQ(affectedLines(), (QStringList{QString(), QString()}));
}

// A second check started while the first still runs: the first one's findings never show;
// the window goes from loading straight to the second one's result.
TEST_F(SecurityCenterTest, CheckAgainShowsOnlyTheLatestRun) {
    const OtpAccount untagged = storedAccount("Untagged", "carol");
    storeAccounts({untagged});
    QuorbitViewModel& vm = model();
    const int readsBefore = secrets.singleReads();
    secrets.holdReads(true);
    center = std::make_unique<SecurityCenter>(vm);
    center->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return secrets.singleReads() > readsBefore; }));

    SecurityAuditIssue finding;
    finding.kind = SecurityAuditIssueKind::untaggedAccount;
    finding.accountIds = {untagged.id};
    ignoredIssues.saveIgnoredKeys({finding.issueKey()});
    QTest::mouseClick(child<QPushButton>(*center, names::securityCheckAgain), Qt::LeftButton);
    QStringList pagesShown;
    auto* body = center->findChild<QStackedWidget*>();
    QObject::connect(body, &QStackedWidget::currentChanged, center.get(),
                     [&] { pagesShown << body->currentWidget()->objectName(); });
    secrets.holdReads(false);

    ASSERT_TRUE(QTest::qWaitFor([&] { return auditRuns() == 2 && !center->isLoading(); }));
    EXPECT_EQ(pagesShown.join(QStringLiteral(", ")), QString::fromLatin1(names::securityNoIssues));
}

}  // namespace
}  // namespace quorbit::test
