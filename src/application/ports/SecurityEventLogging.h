#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "domain/SecurityEvent.h"
#include "domain/SecurityEventKind.h"
#include "domain/Uuid.h"

namespace quorbit {

// The security event log. None of the operations fails: a lost write is dropped.
class SecurityEventLogging {
public:
    virtual ~SecurityEventLogging() = default;
    // The message and metadata are redacted before they are stored (SecurityEventRedaction).
    virtual void log(SecurityEventKind kind, const std::optional<Uuid>& accountId,
                     const std::optional<std::string>& accountLabel, const std::string& message,
                     const std::map<std::string, std::string>& metadata) = 0;
    virtual std::vector<SecurityEvent> loadEvents() = 0;  // oldest first
    virtual void clearEvents() = 0;
};

}  // namespace quorbit
