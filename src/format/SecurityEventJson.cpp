#include "format/SecurityEventJson.h"

#include <nlohmann/json.hpp>

#include "domain/Iso8601Date.h"
#include "format/JsonObjectReader.h"
#include "format/JsonTypeError.h"

namespace quorbit {

namespace {

// A repeated key keeps its last value, as in every object we read.
std::map<std::string, std::string> metadataFrom(const JsonObjectReader& reader) {
    const JsonValue object = reader.member("metadata");
    if (!object.isObject()) {
        throw JsonTypeError("member \"metadata\" must be an object");
    }
    std::map<std::string, std::string> metadata;
    object.forEachMember([&](std::string_view key, const JsonValue& value) {
        const auto text = value.string();
        if (!text) throw JsonTypeError("member \"metadata\" must hold strings");
        metadata.insert_or_assign(std::string(key), std::string(*text));
    });
    return metadata;
}

}  // namespace

void to_json(nlohmann::json& json, const SecurityEvent& event) {
    json = {{"id", event.id.toString()},
            {"kind", rawValue(event.kind)},
            {"createdAt", Iso8601Date::format(event.createdAt)},
            {"message", event.message},
            {"metadata", event.metadata}};
    if (event.accountId) json["accountId"] = event.accountId->toString();
    if (event.accountLabel) json["accountLabel"] = *event.accountLabel;
}

void readJson(const JsonValue& json, SecurityEvent& event) {
    const JsonObjectReader reader(json);
    event = SecurityEvent{.id = reader.uuid("id"),
                          .kind = reader.parsed("kind", securityEventKindFromRawValue),
                          .createdAt = reader.date("createdAt"),
                          .accountId = reader.optionalUuid("accountId"),
                          .accountLabel = reader.optionalString("accountLabel"),
                          .message = reader.string("message"),
                          .metadata = metadataFrom(reader)};
}

}  // namespace quorbit
