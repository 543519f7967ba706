#include "format/OtpSecretRefJson.h"

#include <nlohmann/json.hpp>

#include "format/JsonObjectReader.h"

namespace quorbit {

void to_json(nlohmann::json& json, const OtpSecretRef& ref) { json = {{"rawValue", ref.rawValue}}; }

void readJson(const JsonValue& json, OtpSecretRef& ref) { ref.rawValue = JsonObjectReader(json).string("rawValue"); }

}  // namespace quorbit
