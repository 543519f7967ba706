#include "application/services/DataLifecycleService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "domain/QuorbitError.h"
#include "support/FakeClock.h"
#include "support/FakeSecretStore.h"
#include "support/FakeTokenRepository.h"
#include "support/ThrownError.h"

namespace quorbit {
namespace {

using namespace std::chrono_literals;

constexpr auto day = std::chrono::hours(24);
const TimePoint now{std::chrono::seconds(1'700'000'000)};

OtpAccount account(std::string issuer, std::function<void(OtpAccount&)> change = {}) {
    OtpAccount a;
    a.id = Uuid::random();
    a.issuer = std::move(issuer);
    a.accountName = "user";
    a.secretRef = OtpSecretRef{Uuid::random().toString()};
    a.tags = {"work"};
    a.createdAt = now - 10 * day;
    a.updatedAt = a.createdAt;
    if (change) change(a);
    return a;
}

void trash(OtpAccount& a) { a.trashedAt = now - day; }

// Days are counted on the local calendar, so each test names its time zone.
class DataLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) previousZone_ = tz;
        useZone("UTC");
    }
    void TearDown() override {
        if (previousZone_) {
            ::setenv("TZ", previousZone_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    static void useZone(const char* zone) {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }

    void store(std::vector<OtpAccount> accounts) {
        for (const auto& a : accounts) secrets.saveSecret(SecretBytes::fromText("secret"), a.secretRef);
        repository.setAccounts(std::move(accounts));
    }
    DataLifecycleService service() { return DataLifecycleService(repository, secrets, clock, 180); }

    test::FakeTokenRepository repository;
    test::FakeSecretStore secrets;
    test::FakeClock clock{now};

private:
    std::optional<std::string> previousZone_;
};

TEST_F(DataLifecycle, StatsCountTrashedAccountsOnlyAsTrash) {
    const auto old = account("Bank", [](auto& a) {
        a.type = OtpType::hotp;
        a.tags.clear();
        a.createdAt = now - 200 * day;
    });
    store({old});
    EXPECT_EQ(service().getLifecycleStats(), (DataLifecycleStats{0, 1, 1, 1}));

    service().moveToTrash({old.id});
    EXPECT_EQ(service().getLifecycleStats(), (DataLifecycleStats{1, 0, 0, 0}));
    const auto saved = repository.accounts().front();
    EXPECT_EQ(saved.trashedAt, now);
    EXPECT_EQ(saved.updatedAt, now);
}

TEST_F(DataLifecycle, CategoriesListTheirMembersInRepositoryOrder) {
    const auto trashedHotp = account("T", [](auto& a) {
        trash(a);
        a.type = OtpType::hotp;
        a.tags.clear();
        a.createdAt = now - 400 * day;
    });
    const auto hotp = account("H", [](auto& a) { a.type = OtpType::hotp; });
    const auto untagged = account("U", [](auto& a) { a.tags.clear(); });
    const auto oldHotp = account("O", [](auto& a) {
        a.type = OtpType::hotp;
        a.createdAt = now - 300 * day;
    });
    store({trashedHotp, hotp, untagged, oldHotp});

    const std::vector<std::pair<DataLifecycleCategory, std::vector<OtpAccount>>> cases{
        {DataLifecycleCategory::trash, {trashedHotp}},
        {DataLifecycleCategory::untagged, {untagged}},
        {DataLifecycleCategory::longUnused, {oldHotp}},
        {DataLifecycleCategory::hotp, {hotp, oldHotp}},
    };
    for (const auto& [category, members] : cases) {
        SCOPED_TRACE(std::string(rawValue(category)));
        EXPECT_EQ(service().getAccounts(category), members);
    }
}

TEST_F(DataLifecycle, LongUnusedCountsWholeCalendarDaysFromLastUseOrCreation) {
    struct Case {
        const char* name;
        std::optional<std::chrono::system_clock::duration> usedAgo;
        std::chrono::system_clock::duration createdAgo;
        bool longUnused;
    };
    const Case cases[] = {
        {"used exactly 180 days ago", 180 * day, 400 * day, true},
        {"used 179 days 23 hours ago", 179 * day + 23h, 400 * day, false},
        {"created long ago, used yesterday", day, 300 * day, false},
        {"never used, created 180 days ago", std::nullopt, 180 * day, true},
        {"last use in the future", -400 * day, 400 * day, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store({account("A", [&](auto& a) {
            a.createdAt = now - c.createdAgo;
            if (c.usedAgo) a.lastUsedAt = now - *c.usedAgo;
        })});
        EXPECT_EQ(service().getAccounts(DataLifecycleCategory::longUnused).size(), c.longUnused ? 1u : 0u);
    }
}

TEST_F(DataLifecycle, CalendarDaysFollowTheLocalWallClockAcrossDaylightSaving) {
    useZone("Europe/Berlin");
    // 2024-06-01 12:00 summer time; 180 calendar days earlier is 2023-12-04 12:00 winter time,
    // one hour less than 180 x 24 hours.
    clock.set(TimePoint(std::chrono::seconds(1'717'236'000)));
    const TimePoint sameWallClock(std::chrono::seconds(1'701'687'600));
    store({account("A", [&](auto& a) { a.lastUsedAt = sameWallClock; }),
           account("B", [&](auto& a) { a.lastUsedAt = sameWallClock + 1s; })});

    const auto members = service().getAccounts(DataLifecycleCategory::longUnused);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].issuer, "A");
}

TEST_F(DataLifecycle, PermanentDeletionRemovesSecretsBeforeSavingTheRest) {
    const auto active = account("Active");
    const auto trashed1 = account("T1", trash);
    const auto kept = account("Kept");
    const auto trashed2 = account("T2", trash);
    store({active, trashed1, kept, trashed2});
    repository.observeSaves([&](const auto&) {
        EXPECT_FALSE(secrets.contains(trashed1.secretRef));
        EXPECT_FALSE(secrets.contains(trashed2.secretRef));
    });

    service().emptyTrash();
    EXPECT_EQ(repository.accounts(), (std::vector{active, kept}));
    EXPECT_EQ(secrets.deleteRequests(), (std::vector{trashed1.secretRef, trashed2.secretRef}));

    service().deletePermanently({active.id, Uuid::random()});
    EXPECT_EQ(repository.accounts(), (std::vector{kept}));
    EXPECT_FALSE(secrets.contains(active.secretRef));
    EXPECT_TRUE(secrets.contains(kept.secretRef));
}

TEST_F(DataLifecycle, NothingToDeleteStillSavesTheList) {
    const auto active = account("Active");
    store({active});
    service().emptyTrash();
    service().deletePermanently({Uuid::random()});
    EXPECT_TRUE(secrets.deleteRequests().empty());
    EXPECT_EQ(repository.saveCount(), 2);
    EXPECT_EQ(repository.accounts(), (std::vector{active}));
}

TEST_F(DataLifecycle, FailedSecretDeletionSavesOnlyWithoutTheAccountsAlreadyGone) {
    const std::vector<std::pair<const char*, std::function<void(DataLifecycleService&, const std::set<Uuid>&)>>>
        actions{
            {"emptyTrash", [](auto& s, const auto&) { s.emptyTrash(); }},
            {"deletePermanently", [](auto& s, const auto& ids) { s.deletePermanently(ids); }},
        };
    for (const auto& [name, act] : actions) {
        for (const std::size_t failingAt : {0u, 1u}) {
            SCOPED_TRACE(std::string(name) + " failing at " + std::to_string(failingAt));
            repository.setAccounts({});
            const std::vector doomed{account("A", trash), account("B", trash), account("C", trash)};
            store(doomed);
            const int savesBefore = repository.saveCount();
            secrets.failDeletesWith(QuorbitError(QuorbitError::Case::keychainAccessDenied),
                                    doomed[failingAt].secretRef);
            auto lifecycle = service();
            const std::set<Uuid> ids{doomed[0].id, doomed[1].id, doomed[2].id};
            EXPECT_EQ(test::thrownError([&] { act(lifecycle, ids); }).errorCase(),
                      QuorbitError::Case::keychainAccessDenied);
            const std::vector remaining(doomed.begin() + static_cast<std::ptrdiff_t>(failingAt), doomed.end());
            EXPECT_EQ(repository.accounts(), remaining);
            EXPECT_EQ(repository.saveCount() - savesBefore, failingAt == 0 ? 0 : 1);
            EXPECT_TRUE(secrets.contains(doomed[failingAt].secretRef));
            secrets.failDeletesWith(std::nullopt);
        }
    }
}

TEST_F(DataLifecycle, RestoreAndMoveToTrashStampEveryGivenAccount) {
    const auto trashed = account("T", trash);
    const auto active = account("A");
    const auto untouched = account("U", trash);
    store({trashed, active, untouched});
    clock.advance(1h);

    service().restore({trashed.id, active.id, Uuid::random()});
    auto saved = repository.accounts();
    EXPECT_FALSE(saved[0].trashedAt);
    EXPECT_EQ(saved[0].updatedAt, clock.now());
    EXPECT_EQ(saved[1], account("", [&](auto& a) {
                  a = active;
                  a.updatedAt = clock.now();
              }));
    EXPECT_EQ(saved[2], untouched);

    clock.advance(1h);
    service().moveToTrash({untouched.id});
    EXPECT_EQ(repository.accounts()[2].trashedAt, clock.now());

    const int saves = repository.saveCount();
    const auto before = repository.accounts();
    service().moveToTrash({Uuid::random()});
    EXPECT_EQ(repository.saveCount(), saves + 1);
    EXPECT_EQ(repository.accounts(), before);
}

TEST_F(DataLifecycle, AddTagTrimsItAndKeepsAnExistingSpelling) {
    const auto tagged = account("Tagged", [](auto& a) { a.tags = {"work"}; });
    const auto other = account("Other", [](auto& a) { a.tags = {"zeta"}; });
    const auto skipped = account("Skipped");
    store({tagged, other, skipped});

    service().addTag(" \n ", {tagged.id});
    EXPECT_EQ(repository.loadCount(), 0);
    EXPECT_EQ(repository.saveCount(), 0);

    clock.advance(1h);
    service().addTag("  Work ", {tagged.id, other.id});
    const auto saved = repository.accounts();
    EXPECT_EQ(saved[0].tags, (std::vector<std::string>{"work"}));
    EXPECT_EQ(saved[0].updatedAt, clock.now());
    EXPECT_EQ(saved[1].tags, (std::vector<std::string>{"Work", "zeta"}));
    EXPECT_EQ(saved[2], skipped);
}

}  // namespace
}  // namespace quorbit
