#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "application/ports/AccountGroupRepository.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// In-memory tag groups whose loads and saves can be made to fail.
class FakeAccountGroupRepository final : public AccountGroupRepository {
public:
    explicit FakeAccountGroupRepository(std::vector<std::string> groups = {});

    std::vector<std::string> loadGroups() override;
    void saveGroups(const std::vector<std::string>& groups) override;

    std::vector<std::string> groups() const;
    int saveCount() const;

    void failLoadsWith(std::optional<QuorbitError> error);
    void failSavesWith(std::optional<QuorbitError> error);

private:
    mutable std::mutex mutex_;
    std::vector<std::string> groups_;
    int saveCount_ = 0;
    std::optional<QuorbitError> loadError_;
    std::optional<QuorbitError> saveError_;
};

}  // namespace quorbit::test
