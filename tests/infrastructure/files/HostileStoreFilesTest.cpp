#include <QByteArray>
#include <QSettings>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TemporaryHome.h"
#include "application/settings/AppSettings.h"
#include "config/StorageNames.h"
#include "domain/QuorbitError.h"
#include "infrastructure/files/FileAccountGroupRepository.h"
#include "infrastructure/files/FileIgnoredIssuesStore.h"
#include "infrastructure/files/FileSecurityEventStore.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/IniSettingsStore.h"
#include "support/FakeClock.h"
#include "support/HostileJsonTexts.h"

namespace quorbit {
namespace {

using test::readFile;
using test::writeFile;

// What a store's load gives, as text: a summary of the value or the error's case.
template <typename Load>
std::string outcome(Load load) {
    try {
        return load();
    } catch (const QuorbitError& error) {
        return error.errorCase() == QuorbitError::Case::persistenceFailure ? "persistenceFailure" : "other error";
    }
}

// One store, its file as the store writes it, and its answer to a file it cannot read.
struct StoreUnderTest {
    std::string name;
    std::string validText;
    std::string integerMember;  // empty when the records hold no integer
    std::function<void(const std::string&)> putText;
    std::function<std::string()> load;
    std::string unreadable;
};

class HostileStoreFilesTest : public testing::Test {
protected:
    std::filesystem::path data(const char* name) const { return home.dataHome() / "Quorbit" / name; }
    std::filesystem::path settingsFile() const { return home.configHome() / "Quorbit" / "Quorbit.conf"; }

    std::vector<StoreUnderTest> stores() {
        OtpAccount account;
        account.id = Uuid::random();
        account.issuer = "GitHub";
        account.secretRef = OtpSecretRef{"ref-1"};
        accounts.saveAccounts({account});
        groups.saveGroups({"Work"});
        events.log(SecurityEventKind::appLocked, std::nullopt, std::nullopt, "Vault locked", {{"via", "menu"}});
        ignored.saveIgnoredKeys({"weak:1"});
        AppSettings custom;
        custom.backupSaltBytes = 32;
        settings.saveSettings(custom);

        const auto fileText = [](std::filesystem::path path) {
            return [path](const std::string& text) { writeFile(path, text); };
        };
        const QString settingsKey = QString::fromUtf8(StorageNames::settingsKey.data());
        const QString settingsPath = QString::fromStdString(settingsFile().string());
        return {
            {"accounts", readFile(data("accounts.json")), "\"digits\": 6", fileText(data("accounts.json")),
             [&] { return std::to_string(accounts.loadAccounts().at(0).digits); }, "persistenceFailure"},
            {"groups", readFile(data("groups.json")), "", fileText(data("groups.json")),
             [&] { return groups.loadGroups().at(0); }, "persistenceFailure"},
            {"security events", readFile(data("security-events.json")), "", fileText(data("security-events.json")),
             [&] { return std::to_string(events.loadEvents().size()) + " events"; }, "0 events"},
            {"ignored findings", readFile(data("ignored-security-issues.json")), "",
             fileText(data("ignored-security-issues.json")),
             [&] { return std::to_string(ignored.loadIgnoredKeys().size()) + " keys"; }, "0 keys"},
            {"settings", QSettings(settingsPath, QSettings::IniFormat).value(settingsKey).toString().toStdString(),
             "\"backupSaltBytes\":32",
             [=](const std::string& text) {
                 QSettings(settingsPath, QSettings::IniFormat)
                     .setValue(settingsKey, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
             },
             [&] { return "salt " + std::to_string(settings.loadSettings().backupSaltBytes); }, "salt 16"},
        };
    }

    test::TemporaryHome home;
    test::FakeClock clock;
    FileTokenRepository accounts{data("accounts.json"), data("legacy-accounts.json")};
    FileAccountGroupRepository groups{data("groups.json")};
    FileSecurityEventStore events{data("security-events.json"), FileSecurityEventStore::defaultMaxEvents, clock};
    FileIgnoredIssuesStore ignored{data("ignored-security-issues.json"), clock};
    IniSettingsStore settings{settingsFile()};
};

TEST_F(HostileStoreFilesTest, EveryStoreRefusesHostileTextsWithItsOwnAnswer) {
    for (const StoreUnderTest& store : stores()) {
        SCOPED_TRACE(store.name);
        const std::string valid = outcome(store.load);
        ASSERT_NE(valid, store.unreadable);
        for (const test::HostileText& hostile : test::hostileVariants(store.validText, store.integerMember)) {
            store.putText(hostile.text);
            EXPECT_EQ(outcome(store.load), store.unreadable) << hostile.name;
        }
    }
}

TEST_F(HostileStoreFilesTest, ARepeatedKeyKeepsItsLastValueInEveryStore) {
    for (const StoreUnderTest& store : stores()) {
        if (store.name == "groups") continue;  // a list of names has no keys
        SCOPED_TRACE(store.name);
        const std::string valid = outcome(store.load);
        store.putText(test::withRepeatedFirstKey(store.validText));
        EXPECT_EQ(outcome(store.load), valid);
    }
}

TEST_F(HostileStoreFilesTest, AFailureNamesTheFileButQuotesNoneOfIt) {
    writeFile(data("accounts.json"), "[{\"issuer\": \"JBSWY3DPEHPK3PXP\"}] JBSWY3DPEHPK3PXP");
    try {
        accounts.loadAccounts();
        FAIL() << "loaded";
    } catch (const QuorbitError& error) {
        EXPECT_NE(error.detail().find("accounts.json"), std::string::npos) << error.detail();
        EXPECT_EQ(error.detail().find("JBSWY3DP"), std::string::npos) << error.detail();
    }
}

}  // namespace
}  // namespace quorbit
