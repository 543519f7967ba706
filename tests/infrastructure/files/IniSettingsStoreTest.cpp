#include "infrastructure/files/IniSettingsStore.h"

#include <QSettings>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TemporaryHome.h"
#include "application/settings/AppSettings.h"

namespace quorbit {
namespace {

const QString currentKey = "ru.velmorin.quorbit.settings.v1";
const QString legacyKey = "com.tallyo.settings.v1";

AppSettings customSettings() {
    AppSettings settings;
    settings.autoLock = AutoLockDuration::never;
    settings.copyCodeOnClick = false;
    settings.backupPBKDF2Iterations = 250000;
    return settings;
}

QString jsonText(const AppSettings& settings) { return QString::fromStdString(nlohmann::json(settings).dump()); }

class IniSettingsStoreTest : public testing::Test {
protected:
    std::filesystem::path file() const { return home.configHome() / "Quorbit" / "Quorbit.conf"; }
    QSettings defaults() const { return QSettings(QString::fromStdString(file().string()), QSettings::IniFormat); }
    void put(const QString& key, const QString& value) const {
        QSettings entries = defaults();
        entries.setValue(key, value);
    }

    test::TemporaryHome home;
    IniSettingsStore store{file()};
};

TEST_F(IniSettingsStoreTest, WithNoEntryTheDefaultsComeBackAndNothingIsWritten) {
    EXPECT_EQ(IniSettingsStore::defaultFileURL(), file());
    EXPECT_EQ(store.loadSettings(), AppSettings{});
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(IniSettingsStoreTest, SavedSettingsLoadBackAsCompactJsonInAnOwnerOnlyFile) {
    store.saveSettings(customSettings());

    EXPECT_EQ(store.loadSettings(), customSettings());
    EXPECT_EQ(IniSettingsStore(file()).loadSettings(), customSettings());
    EXPECT_EQ(defaults().value(currentKey).toString(), jsonText(customSettings()));
    EXPECT_EQ(defaults().allKeys(), QStringList{currentKey});
    EXPECT_EQ(test::modeOf(file()), 0600u);
    EXPECT_EQ(test::modeOf(file().parent_path()), 0700u);
}

TEST_F(IniSettingsStoreTest, AValidLegacyEntryIsTakenOverOnce) {
    put(legacyKey, jsonText(customSettings()));

    EXPECT_EQ(store.loadSettings(), customSettings());
    EXPECT_EQ(defaults().allKeys(), QStringList{currentKey});
    EXPECT_EQ(store.loadSettings(), customSettings());
}

TEST_F(IniSettingsStoreTest, ACurrentEntryWinsAndTheLegacyEntryIsRemoved) {
    put(currentKey, jsonText(customSettings()));
    put(legacyKey, jsonText(AppSettings{}));

    EXPECT_EQ(store.loadSettings(), customSettings());
    EXPECT_EQ(defaults().allKeys(), QStringList{currentKey});
}

// The undecodable entry itself is set aside with a copy of the file (see DamagedStoreFileTest).
TEST_F(IniSettingsStoreTest, AnUndecodableCurrentEntryGivesWayToTheLegacyOrTheDefaults) {
    for (const QString& bad : {QString("{not json"), QString(R"({"autoLock": "fortnight"})")}) {
        SCOPED_TRACE(bad.toStdString());
        put(currentKey, bad);
        put(legacyKey, jsonText(customSettings()));
        EXPECT_EQ(store.loadSettings(), customSettings());
        EXPECT_EQ(defaults().value(currentKey).toString(), jsonText(customSettings()));
        EXPECT_FALSE(defaults().contains(legacyKey));

        put(currentKey, bad);
        EXPECT_EQ(store.loadSettings(), AppSettings{});
        EXPECT_FALSE(defaults().contains(currentKey)) << "the defaults now stand";
    }
}

}  // namespace
}  // namespace quorbit
