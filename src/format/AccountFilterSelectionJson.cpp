#include "format/AccountFilterSelectionJson.h"

#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "format/JsonObjectReader.h"
#include "format/JsonTypeError.h"

namespace quorbit {

namespace {

[[noreturn]] void failDecoding(const std::string& message) { throw JsonTypeError(message); }

AccountFilterSelection tagFrom(const JsonObjectReader& payload) {
    const auto text = payload.contains("_0") ? payload.member("_0").string() : std::nullopt;
    if (!text) failDecoding("a tag filter needs its text under \"_0\"");
    return AccountFilterSelection::tag(std::string(*text));
}

AccountFilterSelection filterFor(AccountFilterSelection::Case filterCase) {
    switch (filterCase) {
    case AccountFilterSelection::Case::favorites: return AccountFilterSelection::favorites();
    case AccountFilterSelection::Case::recent: return AccountFilterSelection::recent();
    case AccountFilterSelection::Case::trash: return AccountFilterSelection::trash();
    default: return AccountFilterSelection::all();
    }
}

}  // namespace

void to_json(nlohmann::json& json, const AccountFilterSelection& filter) {
    nlohmann::json payload = nlohmann::json::object();
    if (filter.filterCase() == AccountFilterSelection::Case::tag) payload["_0"] = filter.tagText();
    json = nlohmann::json::object();
    json[std::string(AccountFilterSelection::caseName(filter.filterCase()))] = std::move(payload);
}

// Only the known case keys count; the object must hold exactly one of them.
void readJson(const JsonValue& json, AccountFilterSelection& filter) {
    if (!json.isObject()) failDecoding("a filter must be an object");
    const JsonObjectReader reader(json);
    const std::pair<AccountFilterSelection::Case, std::string_view>* found = nullptr;
    int count = 0;
    for (const auto& entry : AccountFilterSelection::caseNames) {
        if (reader.contains(entry.second)) {
            found = &entry;
            ++count;
        }
    }
    if (count != 1) failDecoding("Invalid number of keys found, expected one.");
    const JsonValue payload = reader.member(found->second);
    if (!payload.isObject()) failDecoding("a filter case must hold an object");
    filter = found->first == AccountFilterSelection::Case::tag ? tagFrom(JsonObjectReader(payload))
                                                               : filterFor(found->first);
}

}  // namespace quorbit
