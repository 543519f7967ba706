#include "application/services/SecurityAuditService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "domain/QuorbitError.h"
#include "support/FakeClock.h"
#include "support/FakeSecretStore.h"
#include "support/ThrownError.h"

namespace quorbit {
namespace {

using Kind = SecurityAuditIssueKind;
using Severity = SecurityAuditSeverity;
using namespace std::chrono_literals;

constexpr auto day = std::chrono::hours(24);
const TimePoint auditTime{std::chrono::seconds(1'700'000'000)};

// A clean account: no rule fires for it. Its secret is stored unless the test says otherwise.
struct Vault {
    test::FakeSecretStore store;

    OtpAccount add(std::string issuer, std::string accountName, std::size_t secretBytes = 20, std::uint8_t fill = 0) {
        OtpAccount account;
        account.id = Uuid::random();
        account.issuer = std::move(issuer);
        account.accountName = std::move(accountName);
        account.secretRef = OtpSecretRef{Uuid::random().toString()};
        account.tags = {"work"};
        account.createdAt = auditTime - 1000 * day;
        account.updatedAt = account.createdAt;
        SecretBytes secret(secretBytes);
        // Distinct secrets unless a fill is chosen, so duplicates appear only where wanted.
        for (std::size_t i = 0; i < secret.size(); ++i)
            secret.data()[i] = fill != 0 ? fill : account.id.bytes()[i % 16];
        store.saveSecret(secret, account.secretRef);
        return account;
    }
};

std::vector<SecurityAuditIssue> runAudit(Vault& vault, const std::vector<OtpAccount>& accounts,
                                         const std::set<std::string>& ignored = {}) {
    const test::FakeClock clock(auditTime);
    return SecurityAuditService(clock, 180).audit(accounts, SecretFingerprintProvider(vault.store), ignored);
}

struct ExpectedFinding {
    std::vector<std::size_t> accounts;  // indexes into the fixture's list
    std::string message;
};

struct RuleCase {
    const char* name;
    Kind kind;
    Severity severity;
    std::function<std::vector<OtpAccount>(Vault&)> accounts;
    std::vector<ExpectedFinding> expected;
};

OtpAccount with(OtpAccount account, const std::function<void(OtpAccount&)>& change) {
    change(account);
    return account;
}

const RuleCase ruleCases[] = {
    {"IdentityIgnoresCaseAndSurroundingSpaces",
     Kind::duplicateAccountIdentity,
     Severity::warning,
     [](Vault& v) {
         return std::vector{v.add("GitHub", "alice"), v.add("Other", "alice"), v.add(" github ", "ALICE\n")};
     },
     {{{0, 2}, "Найдено 2 аккаунтов с одинаковым сервисом и именем: GitHub."}}},
    {"IdentityUsesFullCaseFolding",
     Kind::duplicateAccountIdentity,
     Severity::warning,
     [](Vault& v) {
         return std::vector{v.add("Straße", "bob"), v.add("STRASSE", "BOB")};
     },
     {{{0, 1}, "Найдено 2 аккаунтов с одинаковым сервисом и именем: Straße."}}},
    {"SameSecretBytes",
     Kind::duplicateSecretFingerprint,
     Severity::critical,
     [](Vault& v) {
         return std::vector{v.add("A", "a", 20, 7), v.add("B", "b"), v.add("C", "c", 20, 7)};
     },
     {{{0, 2}, "Найдено 2 аккаунтов с одинаковым секретом. Это может быть дублирование."}}},
    {"IssuerOfSpaces",
     Kind::emptyIssuer,
     Severity::warning,
     [](Vault& v) {
         return std::vector{v.add("Bank", "bob"), v.add(" \t", "bob")};
     },
     {{{1}, "У аккаунта не указан сервис. Его будет сложнее найти и отличить от других записей."}}},
    {"EmptyAccountName",
     Kind::emptyAccountName,
     Severity::warning,
     [](Vault& v) { return std::vector{v.add("Bank", "")}; },
     {{{0}, "У аккаунта не указано имя. Это может затруднить идентификацию."}}},
    {"NineBytesAreShortTenAreNot",
     Kind::weakSecret,
     Severity::warning,
     [](Vault& v) {
         return std::vector{v.add("Ten", "a", 10), v.add("", "nine", 9)};
     },
     {{{1}, "Секрет аккаунта «nine» содержит менее 10 байт. Это может снижать безопасность."}}},
    {"OnlyTotpPeriodsCount",
     Kind::nonStandardTotpPeriod,
     Severity::info,
     [](Vault& v) {
         return std::vector{with(v.add("Slow", "a"), [](auto& a) { a.period = 60; }),
                            with(v.add("Counter", "b"), [](auto& a) {
                                a.type = OtpType::hotp;
                                a.period = 60;
                            })};
     },
     {{{0},
       "Период аккаунта «Slow» составляет 60 секунд вместо стандартных 30. Это может быть нормально, если "
       "так требует сервис."}}},
    {"EveryHotpAccount",
     Kind::hotpMayBeOutOfSync,
     Severity::info,
     [](Vault& v) {
         return std::vector{with(v.add("Bank", "a"), [](auto& a) {
             a.type = OtpType::hotp;
             a.hotpCounter = 41;
         })};
     },
     {{{0},
       "Аккаунт «Bank» использует HOTP (счётчик: 41). Если код не принимается сервисом, может потребоваться "
       "синхронизация."}}},
    {"NoTags",
     Kind::untaggedAccount,
     Severity::info,
     [](Vault& v) { return std::vector{with(v.add("Mail", "a"), [](auto& a) { a.tags.clear(); })}; },
     {{{0}, "Аккаунт «Mail» не имеет тегов. Теги помогают группировать и находить аккаунты."}}},
    {"IdleStrictlyLongerThanThreshold",
     Kind::longUnusedAccount,
     Severity::info,
     [](Vault& v) {
         const auto usedAgo = [&](std::string issuer, std::chrono::system_clock::duration idle) {
             return with(v.add(std::move(issuer), "a"), [&](auto& a) { a.lastUsedAt = auditTime - idle; });
         };
         return std::vector{usedAgo("Exactly180", 180 * day),
                            usedAgo("OneSecondMore", 180 * day + 1s),
                            usedAgo("Long", 400 * day + 21h + 36min),
                            usedAgo("Future", -1 * day),
                            v.add("NeverUsed", "a"),
                            with(v.add("Oldest", "a"), [](auto& a) { a.lastUsedAt = TimePoint::min(); })};
     },
     {{{1}, "Аккаунт «OneSecondMore» не использовался 180 дней. Возможно, он больше не нужен."},
      {{2}, "Аккаунт «Long» не использовался 400 дней. Возможно, он больше не нужен."},
      {{5}, "Аккаунт «Oldest» не использовался 126427 дней. Возможно, он больше не нужен."}}},
    {"AllTrashedAccountsInOneFinding",
     Kind::deletedAccountStillRestorable,
     Severity::info,
     [](Vault& v) {
         const auto trashed = [&](std::string issuer) {
             return with(v.add(std::move(issuer), "a"), [](auto& a) { a.trashedAt = auditTime; });
         };
         return std::vector{trashed("T1"), v.add("Active", "a"), trashed("T2"), trashed("T3")};
     },
     {{{0, 2, 3}, "В корзине находится 3 аккаунтов. Их секреты всё ещё хранятся."}}},
};

class SecurityAuditRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SecurityAuditRule, FindsExactlyTheAccountsConcerned) {
    const RuleCase& rule = GetParam();
    Vault vault;
    const auto accounts = rule.accounts(vault);

    std::vector<SecurityAuditIssue> found;
    for (auto& finding : runAudit(vault, accounts)) {
        if (finding.kind == rule.kind) found.push_back(finding);
    }

    ASSERT_EQ(found.size(), rule.expected.size());
    for (std::size_t n = 0; n < found.size(); ++n) {
        std::vector<Uuid> ids;
        for (auto index : rule.expected[n].accounts) ids.push_back(accounts[index].id);
        EXPECT_EQ(found[n].accountIds, ids);
        EXPECT_EQ(found[n].message, rule.expected[n].message);
        EXPECT_EQ(found[n].severity, rule.severity);
        EXPECT_EQ(found[n].recommendedAction.has_value(), rule.kind != Kind::nonStandardTotpPeriod);
        EXPECT_EQ(found[n].createdAt, auditTime);
    }
}

INSTANTIATE_TEST_SUITE_P(TenRules, SecurityAuditRule, ::testing::ValuesIn(ruleCases),
                         [](const auto& rule) { return std::string(rule.param.name); });

TEST(SecurityAudit, CleanAccountsGiveNoFindingAndTrashedOnesAreNeverLoaded) {
    Vault vault;
    const auto clean = vault.add("GitHub", "alice");
    EXPECT_TRUE(runAudit(vault, {clean}).empty());
    EXPECT_TRUE(runAudit(vault, {}).empty());

    vault.store.failLoadsWith(QuorbitError(QuorbitError::Case::keychainAccessDenied));
    const auto trashed = with(clean, [](auto& a) { a.trashedAt = auditTime; });
    const auto findings = runAudit(vault, {trashed});
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, Kind::deletedAccountStillRestorable);
}

TEST(SecurityAudit, EmptyIssuerAndNameAccountsFormOneIdentityGroupAndFindingsSortMostSevereFirst) {
    Vault vault;
    const std::vector accounts{
        vault.add("", ""),
        with(vault.add("", "", 4, 9), [](auto& a) { a.tags.clear(); }),
        vault.add("Short", "a", 4, 9),
    };
    std::vector<std::pair<Kind, std::vector<Uuid>>> order;
    for (const auto& finding : runAudit(vault, accounts)) order.emplace_back(finding.kind, finding.accountIds);

    const auto& [a, b, c] = std::tie(accounts[0].id, accounts[1].id, accounts[2].id);
    EXPECT_EQ(order, (std::vector<std::pair<Kind, std::vector<Uuid>>>{
                         {Kind::duplicateSecretFingerprint, {b, c}},
                         {Kind::emptyIssuer, {a}},
                         {Kind::emptyIssuer, {b}},
                         {Kind::emptyAccountName, {a}},
                         {Kind::emptyAccountName, {b}},
                         {Kind::duplicateAccountIdentity, {a, b}},
                         {Kind::weakSecret, {b}},
                         {Kind::weakSecret, {c}},
                         {Kind::untaggedAccount, {b}},
                     }));
}

TEST(SecurityAudit, IgnoredKeyRemovesOnlyItsFindingUntilTheAccountsChange) {
    Vault vault;
    const auto trashed = [&](std::string issuer) {
        return with(vault.add(std::move(issuer), "a"), [](auto& a) { a.trashedAt = auditTime; });
    };
    std::vector accounts{with(vault.add("Mail", "a"), [](auto& a) { a.tags.clear(); }),
                         with(vault.add("Bank", "b"), [](auto& a) { a.tags.clear(); }), trashed("T1"), trashed("T2")};
    const auto before = runAudit(vault, accounts);
    ASSERT_EQ(before.size(), 3u);

    const auto afterIgnoring = runAudit(vault, accounts, {before[0].issueKey(), before[2].issueKey()});
    ASSERT_EQ(afterIgnoring.size(), 1u);
    EXPECT_EQ(afterIgnoring[0].issueKey(), before[1].issueKey());
    EXPECT_NE(afterIgnoring[0].id, before[1].id);

    accounts.push_back(trashed("T3"));
    const auto afterTrashing = runAudit(vault, accounts, {before[0].issueKey(), before[2].issueKey()});
    ASSERT_EQ(afterTrashing.size(), 2u);
    EXPECT_EQ(afterTrashing[1].kind, Kind::deletedAccountStillRestorable);
    EXPECT_EQ(afterTrashing[1].accountIds.size(), 3u);
}

// A secret that cannot be read leaves only its own account out of the secret checks.
TEST(SecurityAudit, ASecretThatCannotBeReadIsSkippedAndTheAuditGoesOn) {
    struct Case {
        const char* name;
        std::function<void(Vault&, OtpAccount&)> breakSecret;
        std::vector<Kind> expected;
    };
    const Case cases[] = {
        {"missing item",
         [](Vault&, OtpAccount& a) { a.secretRef = OtpSecretRef{"gone"}; },
         {Kind::weakSecret, Kind::untaggedAccount, Kind::untaggedAccount}},
        {"access refused",
         [](Vault& v, OtpAccount&) { v.store.failLoadsWith(QuorbitError(QuorbitError::Case::keychainAccessDenied)); },
         {Kind::untaggedAccount, Kind::untaggedAccount}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Vault vault;
        std::vector broken{with(vault.add("A", "a", 7, 7), [](auto& a) { a.tags.clear(); }),
                           with(vault.add("B", "b", 7, 7), [](auto& a) { a.tags.clear(); })};
        c.breakSecret(vault, broken[1]);
        std::vector<Kind> kinds;
        for (const auto& finding : runAudit(vault, broken)) kinds.push_back(finding.kind);
        EXPECT_EQ(kinds, c.expected);
    }
}

}  // namespace
}  // namespace quorbit
