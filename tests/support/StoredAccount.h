#pragma once

#include <chrono>
#include <string>

#include "domain/OtpAccount.h"
#include "domain/TimePoint.h"

namespace quorbit::test {

inline const TimePoint startTime{std::chrono::seconds(1'700'000'000)};

// An account as the list holds it, created the day before `startTime`, with its own secret reference.
inline OtpAccount storedAccount(std::string issuer, std::string accountName) {
    OtpAccount account;
    account.id = Uuid::random();
    account.issuer = std::move(issuer);
    account.accountName = std::move(accountName);
    account.secretRef = OtpSecretRef{Uuid::random().toString()};
    account.createdAt = startTime - std::chrono::hours(24);
    account.updatedAt = account.createdAt;
    return account;
}

}  // namespace quorbit::test
