#include "support/FakeSecurityEventLog.h"

#include <chrono>
#include <utility>

namespace quorbit::test {

FakeSecurityEventLog::FakeSecurityEventLog(const Clock* clock) : clock_(clock) {}

void FakeSecurityEventLog::log(SecurityEventKind kind, const std::optional<Uuid>& accountId,
                               const std::optional<std::string>& accountLabel, const std::string& message,
                               const std::map<std::string, std::string>& metadata) {
    SecurityEvent event{Uuid::random(), kind,         clock_ ? clock_->now() : std::chrono::system_clock::now(),
                        accountId,      accountLabel, message,
                        metadata};
    std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
}

std::vector<SecurityEvent> FakeSecurityEventLog::loadEvents() { return events(); }

void FakeSecurityEventLog::clearEvents() {
    std::lock_guard lock(mutex_);
    if (!loseClears_) events_.clear();
}

std::vector<SecurityEvent> FakeSecurityEventLog::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

void FakeSecurityEventLog::setEvents(std::vector<SecurityEvent> events) {
    std::lock_guard lock(mutex_);
    events_ = std::move(events);
}

}  // namespace quorbit::test
