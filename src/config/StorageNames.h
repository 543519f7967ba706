#pragma once

#include <string_view>

namespace quorbit {

// Folder, file and key names of what the program keeps on disk. The data folders sit in
// $XDG_DATA_HOME, the settings folder in $XDG_CONFIG_HOME. The legacy names are the earlier
// product's, whose data is taken over once.
struct StorageNames {
    static constexpr std::string_view dataFolder = "Quorbit";
    static constexpr std::string_view legacyDataFolder = "Tallyo";
    static constexpr std::string_view settingsFolder = "Quorbit";
    static constexpr std::string_view settingsFile = "Quorbit.conf";
    static constexpr std::string_view settingsKey = "ru.velmorin.quorbit.settings.v1";
    static constexpr std::string_view legacySettingsKey = "com.tallyo.settings.v1";
};

}  // namespace quorbit
