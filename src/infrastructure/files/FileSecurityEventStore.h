#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>

#include "application/ports/Clock.h"
#include "application/ports/SecurityEventLogging.h"
#include "infrastructure/files/JsonStoreFile.h"

namespace quorbit {

// The security event log in "security-events.json", oldest first, holding at most `maxEvents`
// events. Never fails: a lost write is dropped, an undecodable log is moved aside and starts
// again with the next event. A log call's read-append-write never interleaves with another
// call of the same store, from whatever thread.
class FileSecurityEventStore final : public SecurityEventLogging {
public:
    static constexpr std::int64_t defaultMaxEvents = 1000;

    // The clock stamps the events and must outlive the store.
    FileSecurityEventStore(std::filesystem::path file, std::int64_t maxEvents, const Clock& clock,
                           DamagedFileReporting* reporting = nullptr);

    static std::filesystem::path defaultFileURL();

    void log(SecurityEventKind kind, const std::optional<Uuid>& accountId,
             const std::optional<std::string>& accountLabel, const std::string& message,
             const std::map<std::string, std::string>& metadata) override;
    std::vector<SecurityEvent> loadEvents() override;
    void clearEvents() override;

private:
    std::mutex mutex_;
    JsonStoreFile file_;
    std::int64_t maxEvents_;
    const Clock& clock_;
};

}  // namespace quorbit
