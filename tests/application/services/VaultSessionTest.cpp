#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "application/services/VaultSession.h"
#include "support/FakeClock.h"

namespace quorbit {
namespace {

using namespace std::chrono_literals;

class ScriptedUnlocker final : public VaultUnlocking {
public:
    bool unlock(const std::string& reason) override {
        ++calls;
        lastReason = reason;
        return answer;
    }

    bool answer = true;
    int calls = 0;
    std::string lastReason;
};

class VaultSessionTest : public ::testing::Test {
protected:
    ScriptedUnlocker unlocker;
    test::FakeClock clock;
    VaultSession session{unlocker, clock, 60s};
};

TEST_F(VaultSessionTest, StartsLockedAndUnlockExpiresAfterTheTimeout) {
    EXPECT_FALSE(session.isUnlocked());
    ASSERT_TRUE(session.unlock("Show codes"));
    EXPECT_EQ(unlocker.lastReason, "Show codes");

    clock.advance(59s);
    EXPECT_TRUE(session.isUnlocked());
    clock.advance(1s);
    EXPECT_FALSE(session.isUnlocked()) << "the deadline itself is no longer unlocked";
}

TEST_F(VaultSessionTest, RefusedUnlockLeavesTheSessionLocked) {
    unlocker.answer = false;
    EXPECT_FALSE(session.unlock("reason"));
    EXPECT_FALSE(session.isUnlocked());
    EXPECT_EQ(unlocker.calls, 1);
}

TEST_F(VaultSessionTest, UnlockWhileUnlockedExtendsWithoutAsking) {
    ASSERT_TRUE(session.unlock("first"));
    clock.advance(50s);
    EXPECT_TRUE(session.unlock("second"));
    EXPECT_EQ(unlocker.calls, 1);

    clock.advance(59s);
    EXPECT_TRUE(session.isUnlocked()) << "the deadline moved to 60 s after the second call";
}

TEST_F(VaultSessionTest, ExtendingNeverUnlocksALockedOrExpiredSession) {
    EXPECT_FALSE(session.extendIfUnlocked());
    EXPECT_FALSE(session.isUnlocked());

    ASSERT_TRUE(session.unlock("reason"));
    clock.advance(60s);
    EXPECT_FALSE(session.extendIfUnlocked()) << "an auto-lock must not be undone by an extension";
    EXPECT_FALSE(session.isUnlocked());

    ASSERT_TRUE(session.unlock("again"));
    session.lock();
    EXPECT_FALSE(session.extendIfUnlocked());
    EXPECT_EQ(unlocker.calls, 2);
}

TEST_F(VaultSessionTest, ExtendingAnUnlockedSessionMovesTheDeadline) {
    ASSERT_TRUE(session.unlock("reason"));
    clock.advance(40s);
    EXPECT_TRUE(session.extendIfUnlocked());
    clock.advance(40s);
    EXPECT_TRUE(session.isUnlocked());
}

TEST_F(VaultSessionTest, WithoutTimeoutTheSessionStaysUnlockedUntilLocked) {
    session.updateTimeout(std::nullopt);
    ASSERT_TRUE(session.unlock("reason"));
    clock.advance(24h * 365 * 100);
    EXPECT_TRUE(session.isUnlocked());
    session.lock();
    EXPECT_FALSE(session.isUnlocked());
}

TEST_F(VaultSessionTest, UpdatingTheTimeoutRestartsARunningSessionOnly) {
    session.updateTimeout(300s);
    EXPECT_FALSE(session.isUnlocked());

    ASSERT_TRUE(session.unlock("reason"));
    clock.advance(250s);
    session.updateTimeout(60s);
    clock.advance(59s);
    EXPECT_TRUE(session.isUnlocked()) << "the new interval counts from the update";
    clock.advance(1s);
    EXPECT_FALSE(session.isUnlocked());
}

// While the owner is being asked, the session keeps answering other callers.
class BlockingUnlocker final : public VaultUnlocking {
public:
    bool unlock(const std::string&) override {
        asked.set_value();
        return answer.get_future().get();
    }

    std::promise<void> asked;
    std::promise<bool> answer;
};

TEST(VaultSessionConcurrencyTest, OtherOperationsRunWhileTheOwnerIsAsked) {
    BlockingUnlocker unlocker;
    test::FakeClock clock;
    VaultSession session(unlocker, clock, 60s);

    auto unlocking = std::async(std::launch::async, [&] { return session.unlock("reason"); });
    unlocker.asked.get_future().wait();
    EXPECT_FALSE(session.isUnlocked());
    EXPECT_FALSE(session.extendIfUnlocked());
    session.lock();

    unlocker.answer.set_value(true);
    EXPECT_TRUE(unlocking.get());
    EXPECT_TRUE(session.isUnlocked());
}

}  // namespace
}  // namespace quorbit
