#include "format/IgnoredSecurityIssueJson.h"

#include <nlohmann/json.hpp>

#include "domain/Iso8601Date.h"
#include "format/JsonObjectReader.h"

namespace quorbit {

void to_json(nlohmann::json& json, const IgnoredSecurityIssue& issue) {
    json = nlohmann::json{{"issueKey", issue.issueKey}, {"ignoredAt", Iso8601Date::format(issue.ignoredAt)}};
}

void readJson(const JsonValue& json, IgnoredSecurityIssue& issue) {
    const JsonObjectReader reader(json);
    issue.issueKey = reader.string("issueKey");
    issue.ignoredAt = reader.date("ignoredAt");
}

}  // namespace quorbit
