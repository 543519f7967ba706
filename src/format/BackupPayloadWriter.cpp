#include "format/BackupPayloadWriter.h"

#include "domain/Iso8601Date.h"
#include "format/AccountJsonWriter.h"
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

// Keys sorted, as the document form prints them.
void BackupPayloadWriter::write(const BackupPayload& payload, std::string& output) {
    std::size_t expected = output.size() + 64;
    for (const BackupAccount& account : payload.accounts) expected += expectedBytes(account);
    output.reserve(expected);
    JsonTextWriter json(output);
    json.beginObject().key("accounts").beginArray();
    for (const BackupAccount& account : payload.accounts) AccountJsonWriter::write(account, json);
    json.endArray().key("exportedAt").string(Iso8601Date::format(payload.exportedAt)).endObject();
}

}  // namespace quorbit
