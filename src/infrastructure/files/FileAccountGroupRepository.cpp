#include "infrastructure/files/FileAccountGroupRepository.h"

#include <chrono>

#include "domain/AccountTags.h"
#include "domain/QuorbitError.h"
#include "infrastructure/files/XdgDataDirectory.h"

namespace quorbit {

FileAccountGroupRepository::FileAccountGroupRepository(std::filesystem::path file, DamagedFileReporting* reporting)
    : file_(std::move(file), reporting) {}

std::filesystem::path FileAccountGroupRepository::defaultFileURL() {
    return XdgDataDirectory::quorbitFolder() / "groups.json";
}

std::vector<std::string> FileAccountGroupRepository::loadGroups() {
    const std::scoped_lock lock(mutex_);
    try {
        return AccountTags::normalize(file_.load<std::vector<std::string>>().value_or(std::vector<std::string>{}));
    } catch (const std::exception& error) {
        throw file_.persistenceFailure(error);
    }
}

void FileAccountGroupRepository::saveGroups(const std::vector<std::string>& groups) {
    const std::scoped_lock lock(mutex_);
    file_.setAsideIfUnreadable<std::vector<std::string>>(std::chrono::system_clock::now());
    file_.writeProtected(AccountTags::normalize(groups));
}

}  // namespace quorbit
