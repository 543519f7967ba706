#pragma once

#include <map>
#include <optional>
#include <string>

#include "domain/SecurityEventKind.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

// One entry of the security event log.
struct SecurityEvent {
    Uuid id;
    SecurityEventKind kind = SecurityEventKind::accountCreated;
    TimePoint createdAt;
    std::optional<Uuid> accountId;
    std::optional<std::string> accountLabel;  // the issuer, or the account name when it is empty
    std::string message;
    std::map<std::string, std::string> metadata;

    bool operator==(const SecurityEvent&) const = default;
};

}  // namespace quorbit
