#pragma once

namespace quorbit {

struct AppSettings;

// The whole settings record. Neither operation fails: unreadable data loads as the defaults.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual AppSettings loadSettings() = 0;
    virtual void saveSettings(const AppSettings& settings) = 0;
};

}  // namespace quorbit
