#pragma once

#include <mutex>
#include <vector>

#include "application/ports/Clock.h"
#include "application/ports/SecurityEventLogging.h"

namespace quorbit::test {

// Keeps logged events in memory exactly as given (no redaction, no size limit), stamped with
// the clock when one is given and the system time otherwise.
class FakeSecurityEventLog final : public SecurityEventLogging {
public:
    explicit FakeSecurityEventLog(const Clock* clock = nullptr);

    void log(SecurityEventKind kind, const std::optional<Uuid>& accountId,
             const std::optional<std::string>& accountLabel, const std::string& message,
             const std::map<std::string, std::string>& metadata) override;
    std::vector<SecurityEvent> loadEvents() override;
    void clearEvents() override;

    std::vector<SecurityEvent> events() const;
    void setEvents(std::vector<SecurityEvent> events);
    // Clears then leave the stored events as they are, as a clear whose write was lost.
    void loseClears(bool lose) { loseClears_ = lose; }

private:
    const Clock* clock_;
    mutable std::mutex mutex_;
    std::vector<SecurityEvent> events_;
    bool loseClears_ = false;
};

}  // namespace quorbit::test
