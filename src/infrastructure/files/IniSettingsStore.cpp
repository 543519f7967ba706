#include "infrastructure/files/IniSettingsStore.h"

#include <sys/stat.h>

#include <chrono>
#include <system_error>

#include <QSettings>
#include <QStandardPaths>

#include <nlohmann/json.hpp>

#include "application/settings/AppSettings.h"
#include "config/StorageNames.h"
#include "format/JsonReader.h"
#include "infrastructure/files/AtomicFileWriter.h"
#include "infrastructure/files/JsonStoreFile.h"

namespace quorbit {

namespace {

QString qtKey(std::string_view entry) { return QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())); }

// A fresh object per call reads what another instance or process wrote meanwhile and never
// crosses threads.
QSettings settingsAt(const std::filesystem::path& file) {
    return QSettings(QString::fromStdString(file.string()), QSettings::IniFormat);
}

}  // namespace

IniSettingsStore::IniSettingsStore(const std::filesystem::path& file, DamagedFileReporting* reporting)
    : file_(file), reporting_(reporting) {}

std::filesystem::path IniSettingsStore::defaultFileURL() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(config.toStdString()) / StorageNames::settingsFolder / StorageNames::settingsFile;
}

AppSettings IniSettingsStore::loadSettings() {
    const std::scoped_lock lock(mutex_);
    QSettings defaults = settingsAt(file_);
    if (std::optional<AppSettings> current = decoded(defaults, StorageNames::settingsKey)) {
        defaults.remove(qtKey(StorageNames::legacySettingsKey));
        defaults.sync();
        return *current;
    }
    if (defaults.status() == QSettings::FormatError || defaults.contains(qtKey(StorageNames::settingsKey))) {
        setAsideDamaged(defaults);
    }
    if (std::optional<AppSettings> legacy = decoded(defaults, StorageNames::legacySettingsKey)) {
        store(defaults, *legacy);
        defaults.remove(qtKey(StorageNames::legacySettingsKey));
        defaults.sync();
        return *legacy;
    }
    return AppSettings{};
}

// A copy, since the file may hold more than our value; the damaged value itself goes, so that the
// defaults now stand and the damage is reported once.
void IniSettingsStore::setAsideDamaged(QSettings& defaults) const {
    const std::filesystem::path aside = JsonStoreFile::setAsideName(file_, std::chrono::system_clock::now());
    std::error_code error;
    if (!std::filesystem::copy_file(file_, aside, error)) return;
    ::chmod(aside.c_str(), 0600);
    if (defaults.status() == QSettings::FormatError) {
        std::filesystem::remove(file_, error);
    } else {
        defaults.remove(qtKey(StorageNames::settingsKey));
        defaults.sync();
    }
    if (reporting_ != nullptr) reporting_->fileSetAside(file_, aside);
}

void IniSettingsStore::saveSettings(const AppSettings& settings) {
    const std::scoped_lock lock(mutex_);
    QSettings defaults = settingsAt(file_);
    store(defaults, settings);
    defaults.sync();
}

std::optional<AppSettings> IniSettingsStore::decoded(const QSettings& defaults, std::string_view entry) {
    const QVariant value = defaults.value(qtKey(entry));
    if (!value.isValid()) return std::nullopt;
    try {
        return JsonReader().decode<AppSettings>(value.toByteArray().toStdString());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void IniSettingsStore::store(QSettings& defaults, const AppSettings& settings) const {
    std::string text;
    try {
        text = nlohmann::json(settings).dump();
    } catch (const std::exception&) {
        return;  // an unencodable record leaves the stored value as it was
    }
    // The folder is ours, 0700 like the data folder; QSettings would create it world-readable.
    try {
        AtomicFileWriter::createFolder(file_.parent_path());
    } catch (const std::exception&) {
        return;
    }
    defaults.setValue(qtKey(StorageNames::settingsKey), QString::fromStdString(text));
    defaults.sync();
    // QSettings keeps the mode of an existing file when it rewrites it.
    ::chmod(file_.c_str(), 0600);
}

}  // namespace quorbit
