#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "application/ports/AccountGroupRepository.h"
#include "infrastructure/files/JsonStoreFile.h"

namespace quorbit {

// The tag group names in "groups.json", normalised on the way in and out. Safe to call from
// any thread.
class FileAccountGroupRepository final : public AccountGroupRepository {
public:
    explicit FileAccountGroupRepository(std::filesystem::path file, DamagedFileReporting* reporting = nullptr);

    static std::filesystem::path defaultFileURL();

    std::vector<std::string> loadGroups() override;
    void saveGroups(const std::vector<std::string>& groups) override;

private:
    std::mutex mutex_;
    JsonStoreFile file_;
};

}  // namespace quorbit
