#include "format/AccountJsonWriter.h"

#include "domain/Iso8601Date.h"
#include "format/JsonTextWriter.h"

namespace quorbit {
namespace {

// The secret's member sorts between "period" and "tags" in both forms.
template <typename Account, typename WriteSecret>
void writeAccount(const Account& account, JsonTextWriter& json, WriteSecret writeSecret) {
    json.beginObject()
        .key("accountName")
        .string(account.accountName)
        .key("algorithm")
        .string(rawValue(account.algorithm))
        .key("createdAt")
        .string(Iso8601Date::format(account.createdAt))
        .key("digits")
        .integer(account.digits)
        .key("hotpCounter")
        .integer(account.hotpCounter)
        .key("id")
        .string(account.id.toString())
        .key("isFavorite")
        .boolean(account.isFavorite)
        .key("issuer")
        .string(account.issuer);
    if (account.lastUsedAt) json.key("lastUsedAt").string(Iso8601Date::format(*account.lastUsedAt));
    json.key("period").integer(account.period);
    writeSecret();
    json.key("tags").beginArray();
    for (const std::string& tag : account.tags) json.string(tag);
    json.endArray();
    if (account.trashedAt) json.key("trashedAt").string(Iso8601Date::format(*account.trashedAt));
    json.key("type")
        .string(rawValue(account.type))
        .key("updatedAt")
        .string(Iso8601Date::format(account.updatedAt))
        .endObject();
}

}  // namespace

void AccountJsonWriter::write(const OtpAccount& account, JsonTextWriter& json) {
    writeAccount(account, json, [&] {
        json.key("secretRef").beginObject().key("rawValue").string(account.secretRef.rawValue).endObject();
    });
}

void AccountJsonWriter::write(const BackupAccount& account, JsonTextWriter& json) {
    writeAccount(account, json, [&] { json.key("secretBase32").string(account.secretBase32.asText()); });
}

}  // namespace quorbit
