#include "domain/SecurityAuditIssue.h"

#include <algorithm>

namespace quorbit {

std::string SecurityAuditIssue::issueKey() const {
    std::vector<std::string> ids;
    ids.reserve(accountIds.size());
    for (const auto& accountId : accountIds) ids.push_back(accountId.toString());
    std::sort(ids.begin(), ids.end());

    std::string key(rawValue(kind));
    key += ':';
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0) key += ',';
        key += ids[i];
    }
    return key;
}

}  // namespace quorbit
