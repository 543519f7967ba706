#include "infrastructure/files/FileSecurityEventStore.h"

#include <chrono>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TemporaryHome.h"
#include "format/SecurityEventJson.h"
#include "support/FakeClock.h"

namespace quorbit {
namespace {

using namespace std::chrono_literals;

class FileSecurityEventStoreTest : public testing::Test {
protected:
    std::filesystem::path file() const { return home.dataHome() / "Quorbit" / "security-events.json"; }
    std::vector<std::filesystem::path> corruptCopies() const {
        std::vector<std::filesystem::path> copies;
        for (const auto& entry : std::filesystem::directory_iterator(file().parent_path())) {
            if (entry.path().filename().string().starts_with("security-events.json.corrupt-"))
                copies.push_back(entry.path());
        }
        return copies;
    }
    void logMessage(FileSecurityEventStore& target, const std::string& message) {
        target.log(SecurityEventKind::codeCopied, std::nullopt, std::nullopt, message, {});
    }

    test::TemporaryHome home;
    test::FakeClock clock{TimePoint(std::chrono::seconds(1'796'897'700))};  // 2026-12-10T10:15:00Z
    FileSecurityEventStore store{file(), FileSecurityEventStore::defaultMaxEvents, clock};
};

TEST_F(FileSecurityEventStoreTest, LoggedEventsLoadBackOldestFirstWithTheirFields) {
    EXPECT_EQ(FileSecurityEventStore::defaultFileURL(), file());
    EXPECT_TRUE(store.loadEvents().empty());
    const Uuid accountId = Uuid::random();

    store.log(SecurityEventKind::accountCreated, accountId, "GitHub", "Account created", {{"source", "manual"}});
    clock.advance(5s);
    logMessage(store, "Vault locked");

    const std::vector<SecurityEvent> events = store.loadEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, SecurityEventKind::accountCreated);
    EXPECT_EQ(events[0].accountId, accountId);
    EXPECT_EQ(events[0].accountLabel, "GitHub");
    EXPECT_EQ(events[0].message, "Account created");
    EXPECT_EQ(events[0].metadata, (std::map<std::string, std::string>{{"source", "manual"}}));
    EXPECT_EQ(events[0].createdAt, clock.now() - 5s);
    EXPECT_EQ(events[1].message, "Vault locked");
    EXPECT_NE(events[0].id, events[1].id);
    EXPECT_EQ(test::modeOf(file()), 0600u);
}

// The first thousand events are written straight into the file; logging each would only
// repeat a thousand full rewrites.
TEST_F(FileSecurityEventStoreTest, TheThousandAndFirstEventDropsTheOldest) {
    std::vector<SecurityEvent> full;
    for (int n = 0; n < 1000; ++n) {
        SecurityEvent event;
        event.id = Uuid::random();
        event.createdAt = clock.now();
        event.message = std::to_string(n);
        full.push_back(event);
    }
    test::writeFile(file(), nlohmann::json(full).dump());

    logMessage(store, "1000");

    const std::vector<SecurityEvent> events = store.loadEvents();
    ASSERT_EQ(events.size(), 1000u);
    EXPECT_EQ(events.front().message, "1");
    EXPECT_EQ(events.back().message, "1000");
}

TEST_F(FileSecurityEventStoreTest, SecretsAreRedactedBeforeTheyAreStored) {
    const std::string uri = "otpauth://totp/GitHub?secret=JBSWY3DPEHPK3PXP";
    store.log(SecurityEventKind::backupCreated, std::nullopt, "otpauth label kept", "Imported " + uri,
              {{"backupPassword", "hunter2"},
               {"SECRET", "JBSWY3DP"},
               {"codeFormat", "grouped"},
               {"note", "see OTPAUTH://totp/x?secret=JBSWY3DP"},
               {"plain", "value"}});
    logMessage(store, "Backup created");

    const std::vector<SecurityEvent> events = store.loadEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].message, "Imported otpauth://***REDACTED***");
    EXPECT_EQ(events[0].accountLabel, "otpauth label kept");
    EXPECT_EQ(events[0].metadata, (std::map<std::string, std::string>{{"backupPassword", "***REDACTED***"},
                                                                      {"SECRET", "***REDACTED***"},
                                                                      {"codeFormat", "***REDACTED***"},
                                                                      {"note", "see otpauth://***REDACTED***"},
                                                                      {"plain", "value"}}));
    EXPECT_EQ(events[1].message, "Backup created");
    EXPECT_EQ(test::readFile(file()).find("JBSWY3DP"), std::string::npos);
    EXPECT_EQ(test::readFile(file()).find("hunter2"), std::string::npos);
}

TEST_F(FileSecurityEventStoreTest, AnUndecodableLogReadsEmptyAndIsMovedAsideBeforeTheNextWrite) {
    for (const std::string text : {"garbage", R"([{"kind": "codeCopied"}])"}) {
        SCOPED_TRACE(text);
        std::filesystem::remove_all(file().parent_path());
        test::writeFile(file(), text);
        EXPECT_TRUE(store.loadEvents().empty());
        EXPECT_EQ(test::readFile(file()), text);

        logMessage(store, "Vault unlocked");

        ASSERT_EQ(store.loadEvents().size(), 1u);
        const auto copies = corruptCopies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(copies[0].filename(), "security-events.json.corrupt-20261210T101500Z");
        EXPECT_EQ(test::readFile(copies[0]), text);
    }
}

TEST_F(FileSecurityEventStoreTest, ClearingEmptiesTheLogAndKeepsACorruptOneAside) {
    logMessage(store, "Vault locked");
    store.clearEvents();
    EXPECT_TRUE(store.loadEvents().empty());
    EXPECT_EQ(test::readFile(file()), "[]");

    test::writeFile(file(), "garbage");
    store.clearEvents();
    test::writeFile(file(), "garbage again");
    store.clearEvents();  // same second: the second copy must not replace the first
    EXPECT_EQ(corruptCopies().size(), 2u);
    EXPECT_EQ(test::readFile(file()), "[]");
}

TEST_F(FileSecurityEventStoreTest, ConcurrentLogCallsLoseNoEvent) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this] {
            for (int n = 0; n < 25; ++n) logMessage(store, "event");
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(store.loadEvents().size(), 100u);
}

TEST_F(FileSecurityEventStoreTest, AFailedWriteIsDropped) {
    std::filesystem::create_directories(home.root() / "occupied");
    test::writeFile(home.root() / "occupied" / "Quorbit", "a file where the folder should be");
    FileSecurityEventStore blocked(home.root() / "occupied" / "Quorbit" / "security-events.json", 1000, clock);

    EXPECT_NO_THROW(logMessage(blocked, "Vault locked"));
    EXPECT_NO_THROW(blocked.clearEvents());
    EXPECT_TRUE(blocked.loadEvents().empty());
}

}  // namespace
}  // namespace quorbit
