#include "format/OtpAccountJson.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "domain/AccountTags.h"
#include "domain/Iso8601Date.h"
#include "domain/UnicodeText.h"
#include "format/JsonObjectReader.h"
#include "format/OtpSecretRefJson.h"

namespace quorbit {

void to_json(nlohmann::json& json, const OtpAccount& account) {
    json = nlohmann::json::object();
    json["id"] = account.id.toString();
    json["issuer"] = account.issuer;
    json["accountName"] = account.accountName;
    json["secretRef"] = account.secretRef;
    json["type"] = rawValue(account.type);
    json["algorithm"] = rawValue(account.algorithm);
    json["digits"] = account.digits;
    json["period"] = account.period;
    json["hotpCounter"] = account.hotpCounter;
    json["createdAt"] = Iso8601Date::format(account.createdAt);
    json["updatedAt"] = Iso8601Date::format(account.updatedAt);
    if (account.lastUsedAt) json["lastUsedAt"] = Iso8601Date::format(*account.lastUsedAt);
    json["isFavorite"] = account.isFavorite;
    if (account.trashedAt) json["trashedAt"] = Iso8601Date::format(*account.trashedAt);
    json["tags"] = account.tags;
}

// Decodes into a fresh record so that a failure leaves `account` untouched.
void readJson(const JsonValue& json, OtpAccount& account) {
    const JsonObjectReader reader(json);
    OtpAccount decoded;
    decoded.id = reader.uuid("id");
    decoded.issuer = UnicodeText::trimmed(reader.text("issuer"));
    decoded.accountName = UnicodeText::trimmed(reader.text("accountName"));
    decoded.secretRef = reader.decoded<OtpSecretRef>("secretRef");
    decoded.type = reader.optionalParsed("type", otpTypeFromRawValue).value_or(OtpType::totp);
    decoded.algorithm = reader.parsed("algorithm", otpAlgorithmFromRawValue);
    decoded.digits = reader.int64("digits");
    decoded.period = reader.int64("period");
    decoded.hotpCounter = std::max<std::int64_t>(reader.optionalInt64("hotpCounter").value_or(0), 0);
    decoded.createdAt = reader.date("createdAt");
    decoded.updatedAt = reader.date("updatedAt");
    decoded.lastUsedAt = reader.optionalDate("lastUsedAt");
    decoded.isFavorite = reader.boolean("isFavorite");
    decoded.trashedAt = reader.optionalDate("trashedAt");
    decoded.tags = AccountTags::normalize(reader.optionalStringList("tags").value_or(std::vector<std::string>{}));
    account = std::move(decoded);
}

}  // namespace quorbit
