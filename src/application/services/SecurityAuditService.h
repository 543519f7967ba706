#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "application/ports/Clock.h"
#include "application/services/SecretFingerprintProvider.h"
#include "domain/OtpAccount.h"
#include "domain/SecurityAuditIssue.h"

namespace quorbit {

// Checks the accounts against the ten audit rules and changes nothing. Trashed accounts only
// count towards the one trash finding; their secrets are never loaded.
class SecurityAuditService {
public:
    // The threshold in seconds (days x 86400) must fit a signed 64-bit integer.
    SecurityAuditService(const Clock& clock, std::int64_t longUnusedThresholdDays);

    // Findings most severe first, emission order kept within a severity, without those whose
    // issue key is ignored. Each active account's secret is loaded twice; a failed load fails
    // the whole audit with the store's error.
    std::vector<SecurityAuditIssue> audit(const std::vector<OtpAccount>& accounts,
                                          const SecretFingerprintProvider& fingerprintProvider,
                                          const std::set<std::string>& ignoredIssueKeys) const;

private:
    using Accounts = std::vector<const OtpAccount*>;
    using Findings = std::vector<SecurityAuditIssue>;

    static void findEmptyNames(const Accounts& active, TimePoint now, Findings& findings);
    static void findDuplicateIdentities(const Accounts& active, TimePoint now, Findings& findings);
    static void findDuplicateSecrets(const Accounts& active, const SecretFingerprintProvider& provider, TimePoint now,
                                     Findings& findings);
    static void findShortSecrets(const Accounts& active, const SecretFingerprintProvider& provider, TimePoint now,
                                 Findings& findings);
    static void findUnusualSettings(const Accounts& active, TimePoint now, Findings& findings);
    void findLongUnused(const Accounts& active, TimePoint now, Findings& findings) const;
    static void findTrash(const Accounts& trashed, TimePoint now, Findings& findings);

    const Clock& clock_;
    std::int64_t longUnusedThresholdDays_;
};

}  // namespace quorbit
