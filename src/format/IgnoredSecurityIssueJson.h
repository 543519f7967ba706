#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/IgnoredSecurityIssue.h"

namespace quorbit {

class JsonValue;

// JSON: {"issueKey": text, "ignoredAt": ISO 8601}; both keys required.
void to_json(nlohmann::json& json, const IgnoredSecurityIssue& issue);
void readJson(const JsonValue& json, IgnoredSecurityIssue& issue);

}  // namespace quorbit
