#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TemporaryHome.h"
#include "application/ports/DamagedFileReporting.h"
#include "application/settings/AppSettings.h"
#include "infrastructure/files/FileAccountGroupRepository.h"
#include "infrastructure/files/FileIgnoredIssuesStore.h"
#include "infrastructure/files/FileSecurityEventStore.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/IniSettingsStore.h"
#include "support/FakeClock.h"
#include "support/StoredAccount.h"

namespace quorbit {
namespace {

struct RecordedReports final : DamagedFileReporting {
    void fileSetAside(const std::filesystem::path& file, const std::filesystem::path& aside) override {
        reports.emplace_back(file, aside);
    }
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> reports;
};

// What a damaged file looks like to the store, and the change that writes a fresh file over it.
struct DamagedStoreCase {
    const char* name;
    std::string fileName;  // below the data folder, or the config folder for the settings
    bool inConfig;
    std::string damaged;
    std::function<void(const std::filesystem::path&, DamagedFileReporting&, const Clock&)> write;
};

class DamagedStoreFileTest : public testing::TestWithParam<DamagedStoreCase> {
protected:
    std::filesystem::path file() const {
        return (GetParam().inConfig ? home.configHome() : home.dataHome()) / "Quorbit" / GetParam().fileName;
    }
    std::vector<std::filesystem::path> copiesSetAside() const {
        std::vector<std::filesystem::path> copies;
        for (const auto& entry : std::filesystem::directory_iterator(file().parent_path())) {
            if (entry.path().filename().string().starts_with(GetParam().fileName + ".corrupt-"))
                copies.push_back(entry.path());
        }
        return copies;
    }

    test::TemporaryHome home;
    test::FakeClock clock{TimePoint(std::chrono::seconds(1'796'897'700))};
    RecordedReports reporting;
};

TEST_P(DamagedStoreFileTest, IsSetAsideReportedOnceAndReplaced) {
    test::writeFile(file(), GetParam().damaged);
    GetParam().write(file(), reporting, clock);
    GetParam().write(file(), reporting, clock);

    const std::vector<std::filesystem::path> copies = copiesSetAside();
    ASSERT_EQ(copies.size(), 1u) << "the damaged file is kept once, and the fresh one never set aside";
    EXPECT_EQ(test::readFile(copies[0]), GetParam().damaged);
    ASSERT_EQ(reporting.reports.size(), 1u);
    EXPECT_EQ(reporting.reports[0], std::pair(file(), copies[0]));
    EXPECT_NE(test::readFile(file()), GetParam().damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, DamagedStoreFileTest,
    testing::Values(
        DamagedStoreCase{"Accounts", "accounts.json", false, "[{\"id\":",
                         [](const std::filesystem::path& path, DamagedFileReporting& reporting, const Clock&) {
                             FileTokenRepository(path, path.parent_path() / "legacy.json", &reporting)
                                 .saveAccounts({test::storedAccount("Example", "alice")});
                         }},
        DamagedStoreCase{"Groups", "groups.json", false, "[\"Work\", \"Ho",
                         [](const std::filesystem::path& path, DamagedFileReporting& reporting, const Clock&) {
                             FileAccountGroupRepository(path, &reporting).saveGroups({"Work"});
                         }},
        DamagedStoreCase{"Events", "security-events.json", false, "{not a list",
                         [](const std::filesystem::path& path, DamagedFileReporting& reporting, const Clock& clock) {
                             FileSecurityEventStore(path, 10, clock, &reporting)
                                 .log(SecurityEventKind::codeCopied, std::nullopt, std::nullopt, "copied", {});
                         }},
        DamagedStoreCase{"IgnoredIssues", "ignored-security-issues.json", false, "[{\"issueKey\": 5}]",
                         [](const std::filesystem::path& path, DamagedFileReporting& reporting, const Clock& clock) {
                             FileIgnoredIssuesStore(path, clock, &reporting).saveIgnoredKeys({"weak:1"});
                         }},
        DamagedStoreCase{"SettingsValue", "Quorbit.conf", true,
                         "[General]\nru.velmorin.quorbit.settings.v1=\"{\\\"theme\\\": 7\"\n",
                         [](const std::filesystem::path& path, DamagedFileReporting& reporting, const Clock&) {
                             IniSettingsStore store(path, &reporting);
                             EXPECT_EQ(store.loadSettings(), AppSettings{});
                             store.saveSettings(AppSettings{});
                         }}),
    [](const testing::TestParamInfo<DamagedStoreCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quorbit
