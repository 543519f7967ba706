#pragma once

#include <optional>
#include <string>
#include <vector>

#include "domain/SecurityAuditIssueKind.h"
#include "domain/SecurityAuditSeverity.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

// One finding of one audit run; never stored. Its texts are Russian only.
struct SecurityAuditIssue {
    Uuid id;
    SecurityAuditIssueKind kind = SecurityAuditIssueKind::emptyIssuer;
    SecurityAuditSeverity severity = SecurityAuditSeverity::info;
    std::vector<Uuid> accountIds;
    std::string title;
    std::string message;
    std::optional<std::string> recommendedAction;
    TimePoint createdAt;

    // Stable across runs: the kind and the sorted upper-case account ids, so that an ignored
    // finding is recognised again whatever its id, texts and time.
    std::string issueKey() const;

    bool operator==(const SecurityAuditIssue&) const = default;
};

}  // namespace quorbit
