#include "infrastructure/files/FileIgnoredIssuesStore.h"

#include <chrono>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TemporaryHome.h"
#include "domain/IgnoredSecurityIssue.h"
#include "format/IgnoredSecurityIssueJson.h"
#include "format/JsonReader.h"
#include "support/FakeClock.h"
#include "support/ThrownError.h"

namespace quorbit {
namespace {

using namespace std::chrono_literals;

class FileIgnoredIssuesStoreTest : public testing::Test {
protected:
    std::filesystem::path file() const { return home.dataHome() / "Quorbit" / "ignored-security-issues.json"; }
    std::vector<IgnoredSecurityIssue> storedIssues() const {
        return JsonReader().decode<std::vector<IgnoredSecurityIssue>>(test::readFile(file()));
    }

    test::TemporaryHome home;
    test::FakeClock clock;
    FileIgnoredIssuesStore store{file(), clock};
};

TEST_F(FileIgnoredIssuesStoreTest, KeysRoundTripAndEverySaveRestampsAllOfThem) {
    EXPECT_EQ(FileIgnoredIssuesStore::defaultFileURL(), file());
    EXPECT_TRUE(store.loadIgnoredKeys().empty());

    store.saveIgnoredKeys({"weak:A"});
    clock.advance(60s);
    store.saveIgnoredKeys({"weak:A", "duplicate:B"});

    EXPECT_EQ(store.loadIgnoredKeys(), (std::set<std::string>{"duplicate:B", "weak:A"}));
    for (const IgnoredSecurityIssue& issue : storedIssues()) EXPECT_EQ(issue.ignoredAt, clock.now()) << issue.issueKey;
    EXPECT_EQ(test::modeOf(file()), 0600u);
}

TEST_F(FileIgnoredIssuesStoreTest, AnUndecodableFileReadsAsNoKeysAndIsMovedAsideOnSave) {
    test::writeFile(file(), R"([{"issueKey": "weak:A"}])");
    EXPECT_TRUE(store.loadIgnoredKeys().empty());

    store.saveIgnoredKeys({"weak:B"});

    EXPECT_EQ(store.loadIgnoredKeys(), (std::set<std::string>{"weak:B"}));
    std::size_t copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file().parent_path())) {
        if (entry.path().filename().string().starts_with("ignored-security-issues.json.corrupt-")) {
            EXPECT_EQ(test::readFile(entry.path()), R"([{"issueKey": "weak:A"}])");
            ++copies;
        }
    }
    EXPECT_EQ(copies, 1u);
}

// A lost ignore must reach the user, who would otherwise see the finding come back unexplained.
TEST_F(FileIgnoredIssuesStoreTest, ASaveThatCannotBeWrittenFails) {
    test::writeFile(file().parent_path(), "a file where the data folder belongs");

    const QuorbitError error = test::thrownError([&] { store.saveIgnoredKeys({"weak:A"}); });

    EXPECT_EQ(error.errorCase(), QuorbitError::Case::persistenceFailure);
    EXPECT_TRUE(store.loadIgnoredKeys().empty());
}

}  // namespace
}  // namespace quorbit
