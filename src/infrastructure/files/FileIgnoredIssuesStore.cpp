#include "infrastructure/files/FileIgnoredIssuesStore.h"

#include <vector>

#include "domain/IgnoredSecurityIssue.h"
#include "infrastructure/files/ApplicationSupportDirectory.h"

namespace quorbit {

using Issues = std::vector<IgnoredSecurityIssue>;

FileIgnoredIssuesStore::FileIgnoredIssuesStore(std::filesystem::path file, const Clock& clock)
    : file_(std::move(file)), clock_(clock) {}

std::filesystem::path FileIgnoredIssuesStore::defaultFileURL() {
    return ApplicationSupportDirectory::quorbitFolder() / "ignored-security-issues.json";
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
    if (!file_.loadReplacingCorrupt<Issues>(now)) return;
    Issues issues;
    for (const std::string& key : keys) issues.push_back({.issueKey = key, .ignoredAt = now});
    file_.writeBestEffort(issues);
}

}  // namespace quorbit
