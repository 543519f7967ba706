#pragma once

#include <set>
#include <string>

namespace quorbit {

// Keys of the ignored audit findings. Neither operation fails.
class IgnoredIssuesStoring {
public:
    virtual ~IgnoredIssuesStoring() = default;
    virtual std::set<std::string> loadIgnoredKeys() = 0;
    virtual void saveIgnoredKeys(const std::set<std::string>& keys) = 0;
};

}  // namespace quorbit
