#pragma once

#include <string>
#include <vector>

namespace quorbit {

// The tag group names. Failures throw QuorbitError::persistenceFailure.
class AccountGroupRepository {
public:
    virtual ~AccountGroupRepository() = default;
    virtual std::vector<std::string> loadGroups() = 0;
    virtual void saveGroups(const std::vector<std::string>& groups) = 0;
};

}  // namespace quorbit
