#pragma once

#include <mutex>
#include <vector>

#include "application/ports/SettingsStore.h"
#include "application/settings/AppSettings.h"

namespace quorbit::test {

// One settings record in memory; every save is kept in order.
class FakeSettingsStore final : public SettingsStore {
public:
    explicit FakeSettingsStore(AppSettings settings = {}) : settings_(std::move(settings)) {}

    AppSettings loadSettings() override {
        std::lock_guard lock(mutex_);
        ++loadCount_;
        return settings_;
    }
    void saveSettings(const AppSettings& settings) override {
        std::lock_guard lock(mutex_);
        settings_ = settings;
        saves_.push_back(settings);
    }

    // The record as an earlier run left it; not counted as a save.
    void putSettings(AppSettings settings) {
        std::lock_guard lock(mutex_);
        settings_ = std::move(settings);
    }
    AppSettings settings() const {
        std::lock_guard lock(mutex_);
        return settings_;
    }
    std::vector<AppSettings> saves() const {
        std::lock_guard lock(mutex_);
        return saves_;
    }
    int loadCount() const {
        std::lock_guard lock(mutex_);
        return loadCount_;
    }

private:
    mutable std::mutex mutex_;
    AppSettings settings_;
    std::vector<AppSettings> saves_;
    int loadCount_ = 0;
};

}  // namespace quorbit::test
