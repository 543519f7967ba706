#include "format/BackupAccountJson.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "domain/AccountTags.h"
#include "domain/Iso8601Date.h"
#include "format/BackupDate.h"
#include "format/JsonObjectReader.h"

namespace quorbit {

void to_json(nlohmann::json& json, const BackupAccount& account) {
    json = nlohmann::json{
        {"id", account.id.toString()},
        {"issuer", account.issuer},
        {"accountName", account.accountName},
        {"secretBase32", account.secretBase32.asText()},
        {"type", rawValue(account.type)},
        {"algorithm", rawValue(account.algorithm)},
        {"digits", account.digits},
        {"period", account.period},
        {"hotpCounter", account.hotpCounter},
        {"createdAt", Iso8601Date::format(account.createdAt)},
        {"updatedAt", Iso8601Date::format(account.updatedAt)},
        {"isFavorite", account.isFavorite},
        {"tags", account.tags},
    };
    if (account.lastUsedAt) json["lastUsedAt"] = Iso8601Date::format(*account.lastUsedAt);
    if (account.trashedAt) json["trashedAt"] = Iso8601Date::format(*account.trashedAt);
}

void readJson(const JsonValue& json, BackupAccount& account) {
    const JsonObjectReader reader(json);
    account.id = reader.uuid("id");
    account.issuer = reader.string("issuer");
    account.accountName = reader.string("accountName");
    account.secretBase32 = reader.secret("secretBase32");
    account.type = reader.optionalParsed("type", &otpTypeFromRawValue).value_or(OtpType::totp);
    account.algorithm = reader.parsed("algorithm", &otpAlgorithmFromRawValue);
    account.digits = reader.int64("digits");
    account.period = reader.int64("period");
    account.hotpCounter = std::max<std::int64_t>(0, reader.optionalInt64("hotpCounter").value_or(0));
    account.createdAt = BackupDate::read(reader, "createdAt");
    account.updatedAt = BackupDate::read(reader, "updatedAt");
    account.lastUsedAt = BackupDate::readOptional(reader, "lastUsedAt");
    account.isFavorite = reader.boolean("isFavorite");
    account.trashedAt = BackupDate::readOptional(reader, "trashedAt");
    account.tags = AccountTags::normalize(reader.optionalStringList("tags").value_or(std::vector<std::string>{}));
}

}  // namespace quorbit
