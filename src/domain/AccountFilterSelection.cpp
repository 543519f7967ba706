#include "domain/AccountFilterSelection.h"

#include <array>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "domain/UnicodeText.h"
#include "format/JsonObjectReader.h"
#include "format/JsonTypeError.h"

namespace quorbit {

namespace {

constexpr std::array<std::pair<AccountFilterSelection::Case, std::string_view>, 5> caseKeys{{
    {AccountFilterSelection::Case::tag, "tag"},
    {AccountFilterSelection::Case::all, "all"},
    {AccountFilterSelection::Case::favorites, "favorites"},
    {AccountFilterSelection::Case::recent, "recent"},
    {AccountFilterSelection::Case::trash, "trash"},
}};

std::string_view keyOf(AccountFilterSelection::Case filterCase) {
    for (const auto& [candidate, key] : caseKeys) {
        if (candidate == filterCase) return key;
    }
    return {};
}

[[noreturn]] void failDecoding(const std::string& message) {
    throw JsonTypeError(message);
}

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

std::string AccountFilterSelection::id() const {
    if (case_ == Case::tag) return "tag:" + UnicodeText::lowercased(tag_);
    return "system:" + std::string(keyOf(case_));
}

void to_json(nlohmann::json& json, const AccountFilterSelection& filter) {
    nlohmann::json payload = nlohmann::json::object();
    if (filter.filterCase() == AccountFilterSelection::Case::tag) payload["_0"] = filter.tagText();
    json = nlohmann::json::object();
    json[std::string(keyOf(filter.filterCase()))] = std::move(payload);
}


// Only the known case keys count; the object must hold exactly one of them.
void readJson(const JsonValue& json, AccountFilterSelection& filter) {
    if (!json.isObject()) failDecoding("a filter must be an object");
    const JsonObjectReader reader(json);
    const std::pair<AccountFilterSelection::Case, std::string_view>* found = nullptr;
    int count = 0;
    for (const auto& entry : caseKeys) {
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
