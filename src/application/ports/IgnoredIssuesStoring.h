#pragma once

#include <set>
#include <string>

namespace quorbit {

// Keys of the ignored audit findings.
class IgnoredIssuesStoring {
public:
    virtual ~IgnoredIssuesStoring() = default;
    // Never fails: keys that cannot be read count as none.
    virtual std::set<std::string> loadIgnoredKeys() = 0;
    // Throws QuorbitError::persistenceFailure when the keys could not be written, so that the
    // user learns that the finding will come back.
    virtual void saveIgnoredKeys(const std::set<std::string>& keys) = 0;
};

}  // namespace quorbit
