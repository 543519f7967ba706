#pragma once

#include <map>
#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "domain/SecurityEventKind.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

class JsonValue;

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

// JSON object form. "accountId" and "accountLabel" are left out when absent and may be null;
// every other key is required. Failures throw JsonError.
void to_json(nlohmann::json& json, const SecurityEvent& event);
void readJson(const JsonValue& json, SecurityEvent& event);

}  // namespace quorbit
