#include "infrastructure/files/FileSecurityEventStore.h"

#include <algorithm>

#include "domain/SecurityEventRedaction.h"
#include "format/SecurityEventJson.h"
#include "infrastructure/files/XdgDataDirectory.h"

namespace quorbit {

using Events = std::vector<SecurityEvent>;

FileSecurityEventStore::FileSecurityEventStore(std::filesystem::path file, std::int64_t maxEvents, const Clock& clock,
                                               DamagedFileReporting* reporting)
    : file_(std::move(file), reporting), maxEvents_(std::max<std::int64_t>(maxEvents, 0)), clock_(clock) {}

std::filesystem::path FileSecurityEventStore::defaultFileURL() {
    return XdgDataDirectory::quorbitFolder() / "security-events.json";
}

void FileSecurityEventStore::log(SecurityEventKind kind, const std::optional<Uuid>& accountId,
                                 const std::optional<std::string>& accountLabel, const std::string& message,
                                 const std::map<std::string, std::string>& metadata) {
    const std::scoped_lock lock(mutex_);
    const TimePoint now = clock_.now();
    std::optional<Events> events = file_.loadReplacingCorrupt<Events>(now);
    if (!events) return;
    events->push_back(SecurityEvent{.id = Uuid::random(),
                                    .kind = kind,
                                    .createdAt = now,
                                    .accountId = accountId,
                                    .accountLabel = accountLabel,
                                    .message = SecurityEventRedaction::sanitized(message),
                                    .metadata = SecurityEventRedaction::redactedMetadata(metadata)});
    const auto excess = static_cast<std::int64_t>(events->size()) - maxEvents_;
    if (excess > 0) events->erase(events->begin(), events->begin() + excess);
    file_.writeBestEffort(*events);
}

Events FileSecurityEventStore::loadEvents() {
    const std::scoped_lock lock(mutex_);
    try {
        return file_.load<Events>().value_or(Events{});
    } catch (const std::exception&) {
        return {};
    }
}

void FileSecurityEventStore::clearEvents() {
    const std::scoped_lock lock(mutex_);
    if (file_.loadReplacingCorrupt<Events>(clock_.now())) file_.writeBestEffort(Events{});
}

}  // namespace quorbit
