#include "domain/BackupPayload.h"

#include <nlohmann/json.hpp>

#include "domain/BackupDate.h"
#include "domain/Iso8601Date.h"
#include "domain/JsonObjectReader.h"

namespace quorbit {

void to_json(nlohmann::json& json, const BackupPayload& payload) {
    json = nlohmann::json{{"exportedAt", Iso8601Date::format(payload.exportedAt)}, {"accounts", payload.accounts}};
}

void from_json(const nlohmann::json& json, BackupPayload& payload) {
    const JsonObjectReader reader(json);
    payload.exportedAt = BackupDate::read(json, "exportedAt");
    const auto& accounts = reader.member("accounts");
    if (!accounts.is_array()) throw nlohmann::json::type_error::create(302, "\"accounts\" must be an array", nullptr);
    payload.accounts = accounts.get<std::vector<BackupAccount>>();
}

}  // namespace quorbit
