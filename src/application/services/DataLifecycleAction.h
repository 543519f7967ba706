#pragma once

#include <string>

namespace quorbit {

// A bulk action of the data lifecycle review on a set of accounts. Only adding a tag carries
// a value: the tag as typed, untrimmed; the service normalises it.
class DataLifecycleAction {
public:
    enum class Case { addTag, emptyTrash, deletePermanently, restore, moveToTrash };

    static DataLifecycleAction addTag(std::string tag) { return DataLifecycleAction(Case::addTag, std::move(tag)); }
    static DataLifecycleAction emptyTrash() { return DataLifecycleAction(Case::emptyTrash, {}); }
    static DataLifecycleAction deletePermanently() { return DataLifecycleAction(Case::deletePermanently, {}); }
    static DataLifecycleAction restore() { return DataLifecycleAction(Case::restore, {}); }
    static DataLifecycleAction moveToTrash() { return DataLifecycleAction(Case::moveToTrash, {}); }

    Case actionCase() const noexcept { return case_; }
    const std::string& tag() const noexcept { return tag_; }  // empty unless adding a tag

    bool operator==(const DataLifecycleAction&) const = default;

private:
    DataLifecycleAction(Case actionCase, std::string tag) : case_(actionCase), tag_(std::move(tag)) {}

    Case case_;
    std::string tag_;
};

}  // namespace quorbit
