#include "application/services/DataLifecycleService.h"

#include <chrono>
#include <ctime>
#include <optional>

#include "domain/AccountTags.h"

namespace quorbit {
namespace {

std::optional<std::tm> localTime(TimePoint time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(time));
    std::tm local{};
    if (::localtime_r(&seconds, &local) == nullptr) return std::nullopt;
    return local;
}

std::chrono::sys_days localDate(const std::tm& local) {
    using namespace std::chrono;
    return sys_days{year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                    day{static_cast<unsigned>(local.tm_mday)}};
}

// `from` moved by whole local days, at the same wall-clock time (daylight saving changes
// make such a day 23 or 25 hours long).
std::optional<TimePoint> addLocalDays(TimePoint from, const std::tm& localFrom, int days) {
    std::tm moved = localFrom;
    moved.tm_mday += days;
    moved.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&moved);
    if (seconds == static_cast<std::time_t>(-1)) return std::nullopt;
    return std::chrono::system_clock::from_time_t(seconds) + (from - std::chrono::floor<std::chrono::seconds>(from));
}

// Completed days on the user's calendar, negative when `to` comes first; 0 when the calendar
// cannot answer.
int wholeCalendarDays(TimePoint from, TimePoint to) {
    if (to < from) return -wholeCalendarDays(to, from);
    const auto localFrom = localTime(from);
    const auto localTo = localTime(to);
    if (!localFrom || !localTo) return 0;
    int days = static_cast<int>((localDate(*localTo) - localDate(*localFrom)).count());
    const auto reached = addLocalDays(from, *localFrom, days);
    if (!reached) return 0;
    if (*reached > to) --days;
    return days;
}

}  // namespace

DataLifecycleService::DataLifecycleService(TokenRepository& repository, SecretStore& secretStore, const Clock& clock,
                                           int unusedThresholdDays)
    : repository_(repository), secretStore_(secretStore), clock_(clock), unusedThresholdDays_(unusedThresholdDays) {}

DataLifecycleStats DataLifecycleService::getLifecycleStats() const {
    const auto accounts = repository_.loadAccounts();
    const TimePoint now = clock_.now();
    DataLifecycleStats stats;
    for (const OtpAccount& account : accounts) {
        if (account.isTrashed()) {
            ++stats.trashCount;
            continue;
        }
        if (account.tags.empty()) ++stats.untaggedCount;
        if (account.type == OtpType::hotp) ++stats.hotpCount;
        if (isLongUnused(account, now)) ++stats.longUnusedCount;
    }
    return stats;
}

std::vector<OtpAccount> DataLifecycleService::getAccounts(DataLifecycleCategory category) const {
    auto accounts = repository_.loadAccounts();
    const TimePoint now = clock_.now();
    std::erase_if(accounts, [&](const OtpAccount& account) { return !isMember(account, category, now); });
    return accounts;
}

void DataLifecycleService::emptyTrash() const {
    deleteWhere([](const OtpAccount& account) { return account.isTrashed(); });
}

void DataLifecycleService::deletePermanently(const std::set<Uuid>& accountIds) const {
    deleteWhere([&](const OtpAccount& account) { return accountIds.contains(account.id); });
}

void DataLifecycleService::restore(const std::set<Uuid>& accountIds) const {
    changeEach(accountIds, [&](OtpAccount& account) {
        account.trashedAt.reset();
        account.updatedAt = clock_.now();
    });
}

void DataLifecycleService::moveToTrash(const std::set<Uuid>& accountIds) const {
    changeEach(accountIds, [&](OtpAccount& account) {
        account.trashedAt = clock_.now();
        account.updatedAt = clock_.now();
    });
}

void DataLifecycleService::addTag(const std::string& tag, const std::set<Uuid>& accountIds) const {
    const auto normalized = AccountTags::normalize({tag});
    if (normalized.empty()) return;
    changeEach(accountIds, [&](OtpAccount& account) {
        auto tags = account.tags;
        tags.push_back(normalized.front());
        account.tags = AccountTags::normalize(tags);
        account.updatedAt = clock_.now();
    });
}

bool DataLifecycleService::isLongUnused(const OtpAccount& account, TimePoint now) const {
    const TimePoint reference = account.lastUsedAt.value_or(account.createdAt);
    return wholeCalendarDays(reference, now) >= unusedThresholdDays_;
}

bool DataLifecycleService::isMember(const OtpAccount& account, DataLifecycleCategory category, TimePoint now) const {
    if (category == DataLifecycleCategory::trash) return account.isTrashed();
    if (account.isTrashed()) return false;
    switch (category) {
    case DataLifecycleCategory::untagged: return account.tags.empty();
    case DataLifecycleCategory::longUnused: return isLongUnused(account, now);
    case DataLifecycleCategory::hotp: return account.type == OtpType::hotp;
    case DataLifecycleCategory::trash: break;
    }
    return false;
}

void DataLifecycleService::deleteWhere(const std::function<bool(const OtpAccount&)>& doomed) const {
    const auto accounts = repository_.loadAccounts();
    std::vector<bool> secretGone(accounts.size(), false);
    const auto remaining = [&] {
        std::vector<OtpAccount> kept;
        for (std::size_t i = 0; i < accounts.size(); ++i) {
            if (!secretGone[i]) kept.push_back(accounts[i]);
        }
        return kept;
    };
    std::size_t deletedCount = 0;
    try {
        for (std::size_t i = 0; i < accounts.size(); ++i) {
            if (!doomed(accounts[i])) continue;
            secretStore_.deleteSecret(accounts[i].secretRef);
            secretGone[i] = true;
            ++deletedCount;
        }
    } catch (...) {
        // Accounts whose secrets are gone must not stay listed as if they still had them.
        if (deletedCount > 0) repository_.saveAccounts(remaining());
        throw;
    }
    repository_.saveAccounts(remaining());
}

void DataLifecycleService::changeEach(const std::set<Uuid>& accountIds,
                                      const std::function<void(OtpAccount&)>& change) const {
    auto accounts = repository_.loadAccounts();
    for (OtpAccount& account : accounts) {
        if (accountIds.contains(account.id)) change(account);
    }
    repository_.saveAccounts(accounts);
}

}  // namespace quorbit
