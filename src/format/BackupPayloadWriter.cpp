#include "format/BackupPayloadWriter.h"

#include "domain/Iso8601Date.h"
#include "format/JsonTextWriter.h"

namespace quorbit {

namespace {

// The room an account's text takes unless its texts need escapes, so that the buffer is not
// grown, copied and wiped on the way: keys, punctuation, UUID, dates and numbers, then texts.
std::size_t expectedBytes(const BackupAccount& account) {
    constexpr std::size_t fixedBytes = 285;
    constexpr std::size_t optionalDateBytes = 36;
    std::size_t bytes = fixedBytes + account.issuer.size() + account.accountName.size() + account.secretBase32.size();
    if (account.lastUsedAt) bytes += optionalDateBytes;
    if (account.trashedAt) bytes += optionalDateBytes;
    for (const std::string& tag : account.tags) bytes += tag.size() + 3;
    return bytes;
}

}  // namespace

// Keys in the order the document form prints them (sorted), so both give the same text.
void BackupPayloadWriter::write(const BackupPayload& payload, std::string& output) {
    std::size_t expected = output.size() + 64;
    for (const BackupAccount& account : payload.accounts) expected += expectedBytes(account);
    output.reserve(expected);
    JsonTextWriter json(output);
    json.beginObject().key("accounts").beginArray();
    for (const BackupAccount& account : payload.accounts) writeAccount(account, json);
    json.endArray().key("exportedAt").string(Iso8601Date::format(payload.exportedAt)).endObject();
}

void BackupPayloadWriter::writeAccount(const BackupAccount& account, JsonTextWriter& json) {
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
    json.key("period").integer(account.period).key("secretBase32").string(account.secretBase32.asText());
    json.key("tags").beginArray();
    for (const std::string& tag : account.tags) json.string(tag);
    json.endArray();
    if (account.trashedAt) json.key("trashedAt").string(Iso8601Date::format(*account.trashedAt));
    json.key("type").string(rawValue(account.type)).key("updatedAt").string(Iso8601Date::format(account.updatedAt)).endObject();
}

}  // namespace quorbit
