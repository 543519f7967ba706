#pragma once

#include <vector>

#include "domain/BackupAccount.h"
#include "domain/TimePoint.h"

namespace quorbit {

// The sealed content of an encrypted backup.
struct BackupPayload {
    TimePoint exportedAt;
    std::vector<BackupAccount> accounts;

    bool operator==(const BackupPayload&) const = default;
};

}  // namespace quorbit
