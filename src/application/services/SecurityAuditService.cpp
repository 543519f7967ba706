#include "application/services/SecurityAuditService.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>
#include <unordered_map>

#include "application/usecases/DuplicateAccountRule.h"
#include "domain/UnicodeText.h"

namespace quorbit {
namespace {

using Kind = SecurityAuditIssueKind;

constexpr std::int64_t secondsPerDay = 86'400;
constexpr std::size_t shortSecretBytes = 10;
constexpr std::int64_t standardPeriod = 30;

SecurityAuditSeverity severityOf(Kind kind) {
    switch (kind) {
    case Kind::duplicateSecretFingerprint: return SecurityAuditSeverity::critical;
    case Kind::duplicateAccountIdentity:
    case Kind::emptyIssuer:
    case Kind::emptyAccountName:
    case Kind::weakSecret: return SecurityAuditSeverity::warning;
    case Kind::nonStandardTotpPeriod:
    case Kind::hotpMayBeOutOfSync:
    case Kind::untaggedAccount:
    case Kind::longUnusedAccount:
    case Kind::deletedAccountStillRestorable: return SecurityAuditSeverity::info;
    }
    return SecurityAuditSeverity::info;
}

std::string shownLabel(const OtpAccount& account) { return UnicodeText::isolatedForDisplay(account.label()); }

std::string quoted(const OtpAccount& account) { return "«" + shownLabel(account) + "»"; }

SecurityAuditIssue issue(Kind kind, std::vector<Uuid> accountIds, std::string title, std::string message,
                         std::optional<std::string> recommendedAction, TimePoint now) {
    return {Uuid::random(),
            kind,
            severityOf(kind),
            std::move(accountIds),
            std::move(title),
            std::move(message),
            std::move(recommendedAction),
            now};
}

// The part of a second past the whole second below, never negative.
TimePoint::duration subSecond(TimePoint time) {
    const auto rest = time.time_since_epoch() % std::chrono::seconds(1);
    return rest < TimePoint::duration::zero() ? rest + std::chrono::seconds(1) : rest;
}

// The span from the oldest date we read to today does not fit in the clock's nanoseconds, so whole
// seconds are subtracted first and the sub-second parts only borrow one.
std::chrono::seconds wholeSecondsBetween(TimePoint earlier, TimePoint later) {
    using std::chrono::floor;
    using std::chrono::seconds;
    auto whole = floor<seconds>(later).time_since_epoch() - floor<seconds>(earlier).time_since_epoch();
    if (subSecond(later) < subSecond(earlier)) whole -= seconds(1);
    return whole;
}

std::vector<Uuid> idsOf(const std::vector<const OtpAccount*>& accounts) {
    std::vector<Uuid> ids;
    ids.reserve(accounts.size());
    for (const OtpAccount* account : accounts) ids.push_back(account->id);
    return ids;
}

// Groups in the order of their first member, members in the order given; an account without
// a key (its secret could not be read) is in none.
template <typename Key, typename KeyOf>
std::vector<std::vector<const OtpAccount*>> groupsOfTwoOrMore(const std::vector<const OtpAccount*>& accounts,
                                                              KeyOf keyOf) {
    std::map<Key, std::size_t> groupIndex;
    std::vector<std::vector<const OtpAccount*>> groups;
    for (const OtpAccount* account : accounts) {
        const std::optional<Key> key = keyOf(*account);
        if (!key) continue;
        const auto [entry, isNew] = groupIndex.try_emplace(*key, groups.size());
        if (isNew) groups.emplace_back();
        groups[entry->second].push_back(account);
    }
    std::erase_if(groups, [](const auto& group) { return group.size() < 2; });
    return groups;
}

bool isBlank(const std::string& text) { return UnicodeText::trimmed(text).empty(); }

std::string identityKey(const OtpAccount& account) {
    return DuplicateAccountRule::identityKey(UnicodeText::trimmed(account.issuer),
                                             UnicodeText::trimmed(account.accountName));
}

}  // namespace

SecurityAuditService::SecurityAuditService(const Clock& clock, std::int64_t longUnusedThresholdDays)
    : clock_(clock), longUnusedThresholdDays_(longUnusedThresholdDays) {}

std::vector<SecurityAuditIssue> SecurityAuditService::audit(const std::vector<OtpAccount>& accounts,
                                                            const SecretFingerprintProvider& fingerprintProvider,
                                                            const std::set<std::string>& ignoredIssueKeys) const {
    const TimePoint now = clock_.now();
    Accounts active;
    Accounts trashed;
    for (const OtpAccount& account : accounts) (account.isTrashed() ? trashed : active).push_back(&account);

    Findings findings;
    findEmptyNames(active, now, findings);
    findDuplicateIdentities(active, now, findings);
    findDuplicateSecrets(active, fingerprintProvider, now, findings);
    findShortSecrets(active, fingerprintProvider, now, findings);
    findUnusualSettings(active, now, findings);
    findLongUnused(active, now, findings);
    findTrash(trashed, now, findings);

    std::erase_if(findings,
                  [&](const SecurityAuditIssue& finding) { return ignoredIssueKeys.contains(finding.issueKey()); });
    std::stable_sort(findings.begin(), findings.end(),
                     [](const auto& a, const auto& b) { return a.severity < b.severity; });
    return findings;
}

void SecurityAuditService::findEmptyNames(const Accounts& active, TimePoint now, Findings& findings) {
    for (const OtpAccount* account : active) {
        if (!isBlank(account->issuer)) continue;
        findings.push_back(issue(Kind::emptyIssuer, {account->id}, "Не указан сервис",
                                 "У аккаунта не указан сервис. Его будет сложнее найти и отличить от других записей.",
                                 "Добавьте название сервиса", now));
    }
    for (const OtpAccount* account : active) {
        if (!isBlank(account->accountName)) continue;
        findings.push_back(issue(Kind::emptyAccountName, {account->id}, "Не указано имя аккаунта",
                                 "У аккаунта не указано имя. Это может затруднить идентификацию.",
                                 "Добавьте имя аккаунта", now));
    }
}

void SecurityAuditService::findDuplicateIdentities(const Accounts& active, TimePoint now, Findings& findings) {
    for (const auto& group : groupsOfTwoOrMore<std::string>(active, identityKey)) {
        findings.push_back(issue(Kind::duplicateAccountIdentity, idsOf(group), "Дубликат по названию",
                                 "Найдено " + std::to_string(group.size()) +
                                     " аккаунтов с одинаковым сервисом и именем: " + shownLabel(*group.front()) + ".",
                                 "Проверьте, нужны ли дубликаты. Лишние можно переместить в корзину.", now));
    }
}

void SecurityAuditService::findDuplicateSecrets(const Accounts& active, const SecretFingerprintProvider& provider,
                                                TimePoint now, Findings& findings) {
    const auto fingerprintOf = [&](const OtpAccount& account) { return provider.fingerprint(account); };
    for (const auto& group : groupsOfTwoOrMore<SecretFingerprintProvider::Fingerprint>(active, fingerprintOf)) {
        findings.push_back(issue(Kind::duplicateSecretFingerprint, idsOf(group), "Одинаковый секрет",
                                 "Найдено " + std::to_string(group.size()) +
                                     " аккаунтов с одинаковым секретом. Это может быть дублирование.",
                                 "Удалите лишние копии, оставив только один аккаунт для каждого сервиса.", now));
    }
}

void SecurityAuditService::findShortSecrets(const Accounts& active, const SecretFingerprintProvider& provider,
                                            TimePoint now, Findings& findings) {
    for (const OtpAccount* account : active) {
        const std::optional<std::size_t> length = provider.secretLength(*account);
        if (!length || *length >= shortSecretBytes) continue;
        findings.push_back(
            issue(Kind::weakSecret, {account->id}, "Короткий секрет",
                  "Секрет аккаунта " + quoted(*account) + " содержит менее 10 байт. Это может снижать безопасность.",
                  "Если сервис позволяет, пересоздайте 2FA с более длинным секретом.", now));
    }
}

void SecurityAuditService::findUnusualSettings(const Accounts& active, TimePoint now, Findings& findings) {
    for (const OtpAccount* account : active) {
        if (account->type != OtpType::totp || account->period == standardPeriod) continue;
        findings.push_back(
            issue(Kind::nonStandardTotpPeriod, {account->id}, "Нестандартный период TOTP",
                  "Период аккаунта " + quoted(*account) + " составляет " + std::to_string(account->period) +
                      " секунд вместо стандартных 30. Это может быть нормально, если так требует сервис.",
                  std::nullopt, now));
    }
    for (const OtpAccount* account : active) {
        if (account->type != OtpType::hotp) continue;
        findings.push_back(issue(Kind::hotpMayBeOutOfSync, {account->id}, "HOTP зависит от счётчика",
                                 "Аккаунт " + quoted(*account) +
                                     " использует HOTP (счётчик: " + std::to_string(account->hotpCounter) +
                                     "). Если код не принимается сервисом, может потребоваться синхронизация.",
                                 "Если код не принимается, попробуйте нажать «Следующий код» несколько раз.", now));
    }
    for (const OtpAccount* account : active) {
        if (!account->tags.empty()) continue;
        findings.push_back(
            issue(Kind::untaggedAccount, {account->id}, "Аккаунт без тегов",
                  "Аккаунт " + quoted(*account) + " не имеет тегов. Теги помогают группировать и находить аккаунты.",
                  "Добавьте теги для удобной навигации.", now));
    }
}

void SecurityAuditService::findLongUnused(const Accounts& active, TimePoint now, Findings& findings) const {
    const std::int64_t thresholdSeconds = longUnusedThresholdDays_ * secondsPerDay;
    for (const OtpAccount* account : active) {
        if (!account->lastUsedAt) continue;
        // Strictly longer, fractions count.
        if (*account->lastUsedAt >= now - std::chrono::seconds(thresholdSeconds)) continue;
        const auto days = wholeSecondsBetween(*account->lastUsedAt, now).count() / secondsPerDay;
        findings.push_back(issue(Kind::longUnusedAccount, {account->id}, "Давно не использовался",
                                 "Аккаунт " + quoted(*account) + " не использовался " + std::to_string(days) +
                                     " дней. Возможно, он больше не нужен.",
                                 "Проверьте, используется ли ещё этот 2FA-аккаунт.", now));
    }
}

void SecurityAuditService::findTrash(const Accounts& trashed, TimePoint now, Findings& findings) {
    if (trashed.empty()) return;
    findings.push_back(
        issue(Kind::deletedAccountStillRestorable, idsOf(trashed), "Аккаунты в корзине",
              "В корзине находится " + std::to_string(trashed.size()) + " аккаунтов. Их секреты всё ещё хранятся.",
              "Окончательно удалите ненужные аккаунты из корзины.", now));
}

}  // namespace quorbit
