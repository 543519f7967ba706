#include "support/FakeAccountGroupRepository.h"

#include <utility>

namespace quorbit::test {

FakeAccountGroupRepository::FakeAccountGroupRepository(std::vector<std::string> groups) : groups_(std::move(groups)) {}

std::vector<std::string> FakeAccountGroupRepository::loadGroups() {
    std::lock_guard lock(mutex_);
    if (loadError_) throw *loadError_;
    return groups_;
}

void FakeAccountGroupRepository::saveGroups(const std::vector<std::string>& groups) {
    std::lock_guard lock(mutex_);
    if (saveError_) throw *saveError_;
    ++saveCount_;
    groups_ = groups;
}

std::vector<std::string> FakeAccountGroupRepository::groups() const {
    std::lock_guard lock(mutex_);
    return groups_;
}

int FakeAccountGroupRepository::saveCount() const {
    std::lock_guard lock(mutex_);
    return saveCount_;
}

void FakeAccountGroupRepository::failLoadsWith(std::optional<QuorbitError> error) {
    std::lock_guard lock(mutex_);
    loadError_ = std::move(error);
}

void FakeAccountGroupRepository::failSavesWith(std::optional<QuorbitError> error) {
    std::lock_guard lock(mutex_);
    saveError_ = std::move(error);
}

}  // namespace quorbit::test
