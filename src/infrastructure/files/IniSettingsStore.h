#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>

#include "application/ports/DamagedFileReporting.h"
#include "application/ports/SettingsStore.h"

class QSettings;

namespace quorbit {

// The whole settings record as compact JSON text under one key of an INI settings file, by
// default $XDG_CONFIG_HOME/Quorbit/Quorbit.conf (config/StorageNames). Takes over the earlier product's key once.
// Never fails: a stored value that cannot be read gives the defaults, after a copy of the file
// was set aside (`Quorbit.conf.corrupt-<time>`) and reported. Safe to call from any thread.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(const std::filesystem::path& file, DamagedFileReporting* reporting = nullptr);

    static std::filesystem::path defaultFileURL();

    AppSettings loadSettings() override;
    void saveSettings(const AppSettings& settings) override;

private:
    static std::optional<AppSettings> decoded(const QSettings& defaults, std::string_view entry);
    void store(QSettings& defaults, const AppSettings& settings) const;
    void setAsideDamaged(QSettings& defaults) const;

    std::mutex mutex_;
    std::filesystem::path file_;
    DamagedFileReporting* reporting_;
};

}  // namespace quorbit
