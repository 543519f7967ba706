#include "domain/SecurityEvent.h"

#include <nlohmann/json.hpp>

#include "domain/Iso8601Date.h"
#include "domain/JsonObjectReader.h"

namespace quorbit {

namespace {

std::map<std::string, std::string> metadataFrom(const JsonObjectReader& reader) {
    const nlohmann::json& object = reader.member("metadata");
    if (!object.is_object()) {
        throw nlohmann::json::type_error::create(302, "member \"metadata\" must be an object", &object);
    }
    std::map<std::string, std::string> metadata;
    for (const auto& [key, value] : object.items()) {
        if (!value.is_string()) {
            throw nlohmann::json::type_error::create(302, "member \"metadata\" must hold strings", &object);
        }
        metadata.emplace(key, value.get<std::string>());
    }
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

void from_json(const nlohmann::json& json, SecurityEvent& event) {
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
