#pragma once

#include <filesystem>
#include <mutex>

#include "application/ports/Clock.h"
#include "application/ports/IgnoredIssuesStoring.h"
#include "infrastructure/files/JsonStoreFile.h"

namespace quorbit {

// The keys of ignored audit findings in "ignored-security-issues.json". An unreadable file
// reads as no keys and is moved aside before the next save replaces it. Safe to call from any
// thread.
class FileIgnoredIssuesStore final : public IgnoredIssuesStoring {
public:
    // The clock stamps `ignoredAt` and must outlive the store.
    FileIgnoredIssuesStore(std::filesystem::path file, const Clock& clock, DamagedFileReporting* reporting = nullptr);

    static std::filesystem::path defaultFileURL();

    std::set<std::string> loadIgnoredKeys() override;
    // Every key gets the time of this save; earlier ignore times are not kept. Throws
    // persistenceFailure when the file cannot be written, or is unreadable and cannot be moved aside.
    void saveIgnoredKeys(const std::set<std::string>& keys) override;

private:
    std::mutex mutex_;
    JsonStoreFile file_;
    const Clock& clock_;
};

}  // namespace quorbit
