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
#include "support/StoredAccount.h"
#include "support/ThrownError.h"

namespace quorbit::test {

inline QuorbitError::Case errorCaseOf(const std::function<void()>& action) { return thrownError(action).errorCase(); }

// The ports every use case works on, with a real Base32 codec.
struct UseCaseFixture : ::testing::Test {
    FakeTokenRepository repository;
    FakeSecretStore secretStore;
    Base32Codec codec;
    FakeClock clock{startTime};
};

}  // namespace quorbit::test
