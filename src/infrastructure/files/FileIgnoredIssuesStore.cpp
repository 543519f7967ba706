#include "infrastructure/files/FileIgnoredIssuesStore.h"

#include <vector>

#include "domain/IgnoredSecurityIssue.h"
#include "domain/QuorbitError.h"
#include "format/IgnoredSecurityIssueJson.h"
#include "infrastructure/files/XdgDataDirectory.h"

namespace quorbit {

using Issues = std::vector<IgnoredSecurityIssue>;

FileIgnoredIssuesStore::FileIgnoredIssuesStore(std::filesystem::path file, const Clock& clock,
                                               DamagedFileReporting* reporting)
    : file_(std::move(file), reporting), clock_(clock) {}

std::filesystem::path FileIgnoredIssuesStore::defaultFileURL() {
    return XdgDataDirectory::quorbitFolder() / "ignored-security-issues.json";
}

std::set<std::string> FileIgnoredIssuesStore::loadIgnoredKeys() {
    const std::scoped_lock lock(mutex_);
    std::set<std::string> keys;
    try {
        for (const IgnoredSecurityIssue& issue : file_.load<Issues>().value_or(Issues{})) keys.insert(issue.issueKey);
    } catch (const std::exception&) {
        return {};
    }
    return keys;
}

void FileIgnoredIssuesStore::saveIgnoredKeys(const std::set<std::string>& keys) {
    const std::scoped_lock lock(mutex_);
    const TimePoint now = clock_.now();
    if (!file_.loadReplacingCorrupt<Issues>(now)) {
        throw QuorbitError::persistenceFailure("\"" + file_.path().filename().string() +
                                               "\" could not be read and not be moved aside");
    }
    Issues issues;
    for (const std::string& key : keys) issues.push_back({.issueKey = key, .ignoredAt = now});
    file_.writeProtected(issues);
}

}  // namespace quorbit
