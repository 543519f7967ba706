#include "format/OtpAccountListWriter.h"

#include "domain/Iso8601Date.h"
#include "format/JsonTextWriter.h"

namespace quorbit {

std::string OtpAccountListWriter::text(const std::vector<OtpAccount>& accounts, int indent) {
    constexpr std::size_t typicalAccountBytes = 480;  // one growth at most, not a dozen copies
    std::string output;
    output.reserve(16 + accounts.size() * typicalAccountBytes);
    JsonTextWriter json(output, indent);
    json.beginArray();
    for (const OtpAccount& account : accounts) writeAccount(account, json);
    json.endArray();
    return output;
}

// Keys in the order the document form prints them (sorted), so both give the same text.
void OtpAccountListWriter::writeAccount(const OtpAccount& account, JsonTextWriter& json) {
    json.beginObject()
        .key("accountName").string(account.accountName)
        .key("algorithm").string(rawValue(account.algorithm))
        .key("createdAt").string(Iso8601Date::format(account.createdAt))
        .key("digits").integer(account.digits)
        .key("hotpCounter").integer(account.hotpCounter)
        .key("id").string(account.id.toString())
        .key("isFavorite").boolean(account.isFavorite)
        .key("issuer").string(account.issuer);
    if (account.lastUsedAt) json.key("lastUsedAt").string(Iso8601Date::format(*account.lastUsedAt));
    json.key("period").integer(account.period)
        .key("secretRef").beginObject().key("rawValue").string(account.secretRef.rawValue).endObject()
        .key("tags").beginArray();
    for (const std::string& tag : account.tags) json.string(tag);
    json.endArray();
    if (account.trashedAt) json.key("trashedAt").string(Iso8601Date::format(*account.trashedAt));
    json.key("type").string(rawValue(account.type))
        .key("updatedAt").string(Iso8601Date::format(account.updatedAt))
        .endObject();
}

}  // namespace quorbit
