#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "domain/OtpAccount.h"
#include "domain/QuorbitError.h"
#include "lib/Base32Codec.h"
#include "support/FakeClock.h"
#include "support/FakeSecretStore.h"
#include "support/FakeTokenRepository.h"

namespace quorbit::test {

inline const TimePoint startTime{std::chrono::seconds(1'700'000'000)};

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

inline QuorbitError::Case errorCaseOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const QuorbitError& error) {
        return error.errorCase();
    }
    ADD_FAILURE() << "expected a QuorbitError";
    return QuorbitError::Case::persistenceFailure;
}

// The ports every use case works on, with a real Base32 codec.
struct UseCaseFixture : ::testing::Test {
    FakeTokenRepository repository;
    FakeSecretStore secretStore;
    Base32Codec codec;
    FakeClock clock{startTime};
};

}  // namespace quorbit::test
