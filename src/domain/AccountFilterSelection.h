#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quorbit {

// The list filter: all, favourites, recent, trash, or one tag (kept with its spelling).
class AccountFilterSelection {
public:
    enum class Case { tag, all, favorites, recent, trash };

    // Each case's name, as the id and the stored form spell it.
    static constexpr std::array<std::pair<Case, std::string_view>, 5> caseNames{{
        {Case::tag, "tag"},
        {Case::all, "all"},
        {Case::favorites, "favorites"},
        {Case::recent, "recent"},
        {Case::trash, "trash"},
    }};
    static std::string_view caseName(Case filterCase);

    AccountFilterSelection() = default;  // all
    static AccountFilterSelection all() { return AccountFilterSelection(Case::all, {}); }
    static AccountFilterSelection favorites() { return AccountFilterSelection(Case::favorites, {}); }
    static AccountFilterSelection recent() { return AccountFilterSelection(Case::recent, {}); }
    static AccountFilterSelection trash() { return AccountFilterSelection(Case::trash, {}); }
    static AccountFilterSelection tag(std::string text) { return AccountFilterSelection(Case::tag, std::move(text)); }

    Case filterCase() const noexcept { return case_; }
    const std::string& tagText() const noexcept { return tag_; }  // empty unless a tag filter

    // "system:all", ... or "tag:" + the lower-cased tag, so tags differing in case share one id.
    std::string id() const;

    bool operator==(const AccountFilterSelection&) const = default;

private:
    AccountFilterSelection(Case filterCase, std::string tag) : case_(filterCase), tag_(std::move(tag)) {}

    Case case_ = Case::all;
    std::string tag_;
};

}  // namespace quorbit

template <>
struct std::hash<quorbit::AccountFilterSelection> {
    std::size_t operator()(const quorbit::AccountFilterSelection& filter) const noexcept {
        return std::hash<std::string>{}(filter.tagText()) * 31 + static_cast<std::size_t>(filter.filterCase());
    }
};
