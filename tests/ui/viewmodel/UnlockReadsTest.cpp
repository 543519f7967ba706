#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <ranges>
#include <string>

#include <QTest>

#include "ViewModelFixture.h"
#include "lib/RFC6238TotpGenerator.h"

namespace quorbit::test {
namespace {

using namespace std::chrono_literals;

// Far more accounts than a panel shows, each with a secret of its own.
class UnlockReadsTest : public ViewModelFixture {
protected:
    static constexpr int accountCount = 600;

    UnlockReadsTest() {
        for (int n = 0; n < accountCount; ++n) {
            const std::string number = std::to_string(1000 + n);
            accounts.push_back(store("Issuer " + number, "user" + number, "secret-" + number));
        }
    }

    // Every code as a read of all the secrets at once gives it.
    std::map<Uuid, std::string> fullReadCodes() const {
        const RFC6238TotpGenerator reference;
        std::map<Uuid, std::string> codes;
        for (const OtpAccount& account : accounts) {
            codes[account.id] = reference.totpCode(*secrets.secret(account.secretRef), account.algorithm,
                                                   static_cast<int>(account.digits), account.period, clock.now());
        }
        return codes;
    }

    void waitForEveryCode(QuorbitViewModel& model) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return model.codes().size() == accounts.size(); }, 10000));
    }

    std::vector<OtpAccount> accounts;
};

// The first screenful's codes are there when the unlock ends; the others follow, and then every
// code is the one a full read gives. The refresh loop runs meanwhile and reads nothing twice.
TEST_F(UnlockReadsTest, FirstScreenfulFirstThenEveryCodeEachSecretReadOnce) {
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    secrets.holdReads(true);
    QCoro::Task<> unlocking = model.unlock();
    QTest::qWait(1100);  // the refresh timer ticks while the first read waits
    run(model.refreshTick());
    secrets.holdReads(false);
    run(std::move(unlocking));
    for (const OtpAccount& account : model.visibleAccounts() | std::views::take(10)) {
        EXPECT_TRUE(model.codes().contains(account.id)) << account.issuer;
    }
    waitForEveryCode(model);
    EXPECT_EQ(model.codes(), fullReadCodes());
    EXPECT_EQ(secrets.secretsRead(), accountCount);
    EXPECT_EQ(secrets.singleReads(), 0);
    EXPECT_EQ(secrets.batchReads(), 4);  // the first screenful, then batches of 250
}

// A copy of an account whose secret the background has not reached reads it on its own at once;
// the background then leaves it out.
TEST_F(UnlockReadsTest, ACopyOfAnAccountNotReadYetReadsItsOwnSecret) {
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    waitForEveryCode(model);
    model.lock();
    secrets.holdReads(true);
    QCoro::Task<> unlocking = model.unlock();
    QCoro::Task<> copying = model.copyCode(accounts.back());
    secrets.holdReads(false);
    run(std::move(unlocking));
    run(std::move(copying));
    EXPECT_EQ(clipboard.copies().back().text, fullReadCodes().at(accounts.back().id));
    waitForEveryCode(model);
    EXPECT_EQ(secrets.secretsRead(), 2 * accountCount);
}

// A lock while the background reads drops what it read and stops it: at most the batch already
// handed to the worker still runs.
TEST_F(UnlockReadsTest, ALockStopsTheBackgroundRead) {
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    waitForEveryCode(model);
    model.lock();
    run(model.unlock());
    ASSERT_LT(model.codes().size(), accounts.size());
    model.lock();
    const int readsAtTheLock = secrets.batchReads();
    QTest::qWait(200);
    run(model.refreshTick());
    EXPECT_TRUE(model.codes().empty());
    EXPECT_LE(secrets.batchReads(), readsAtTheLock + 1);
}

}  // namespace
}  // namespace quorbit::test
