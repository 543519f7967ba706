#include "format/BackupPayloadJson.h"

#include <nlohmann/json.hpp>

#include "domain/Iso8601Date.h"
#include "format/BackupAccountJson.h"
#include "format/BackupDate.h"
#include "format/JsonObjectReader.h"

namespace quorbit {

void to_json(nlohmann::json& json, const BackupPayload& payload) {
    json = nlohmann::json{{"exportedAt", Iso8601Date::format(payload.exportedAt)}, {"accounts", payload.accounts}};
}

void readJson(const JsonValue& json, BackupPayload& payload) {
    const JsonObjectReader reader(json);
    payload.exportedAt = BackupDate::read(reader, "exportedAt");
    payload.accounts = reader.decoded<std::vector<BackupAccount>>("accounts");
}

}  // namespace quorbit
