#include <gtest/gtest.h>

#include <chrono>

#include <QSignalSpy>
#include <QTest>

#include "lib/RFC6238TotpGenerator.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

using namespace std::chrono_literals;

// The clock of the fixture stands 20 s into a 30 s period.
class RefreshTest : public ViewModelFixture {
protected:
    RefreshTest() {
        alpha = store("Alpha", "a");
        counter = storedAccount("Counter", "c");
        counter.type = OtpType::hotp;
        counter.hotpCounter = 7;
        secrets.saveSecret(SecretBytes::fromText("counter-secret"), counter.secretRef);
        repository.appendAccount(counter);
        lost = storedAccount("Lost", "l");  // its secret is missing from the keyring
        repository.appendAccount(lost);
        OtpAccount trashed = store("Trashed", "t");
        trashed.trashedAt = startTime;
        auto accounts = repository.accounts();
        accounts.back() = trashed;
        repository.setAccounts(accounts);
    }

    OtpAccount alpha, counter, lost;
    const QString missingSecret = describe(QuorbitError::keychainFailure("Item not found"));
};

TEST_F(RefreshTest, EachAccountOnItsOwnWithTheFailureShownOnce) {
    QuorbitViewModel& model = makeEnglishViewModel();
    QSignalSpy statusChanges(&model, &QuorbitViewModel::statusMessageChanged);
    run(model.start());
    run(model.unlock());
    EXPECT_EQ(model.codes().size(), 2u);
    EXPECT_TRUE(model.codes().contains(alpha.id));
    EXPECT_TRUE(model.codes().contains(counter.id));
    EXPECT_EQ(model.secondsRemaining(), (std::map<Uuid, int>{{alpha.id, 10}}));
    EXPECT_EQ(model.statusMessage(), missingSecret);

    for (int turn = 0; turn < 3; ++turn) {
        clock.advance(1s);
        run(model.refreshTick());
    }
    EXPECT_EQ(statusChanges.count(), 1);
    EXPECT_EQ(model.codes().size(), 2u);

    model.setStatusMessage(QStringLiteral("Copied 123 456"));  // the same failure does not replace it
    run(model.refreshTick());
    EXPECT_EQ(model.statusMessage(), QStringLiteral("Copied 123 456"));

    secrets.saveSecret(SecretBytes::fromText("found-again"), lost.secretRef);
    run(model.refreshTick());
    EXPECT_EQ(model.codes().size(), 3u);
    // One read of many after the unlock; the missing secret was then read on its own each turn.
    EXPECT_EQ(secrets.batchReads(), 1);
    EXPECT_EQ(secrets.singleReads(), 6);
}

// Each read of a locked keyring brings its prompt back: after a refusal only the user's own
// request (a click, a copy, an unlock) asks it again, however long the refresh loop runs.
TEST_F(RefreshTest, ARefusedKeyringIsAskedAgainOnlyWhenTheUserAsks) {
    const QuorbitError refused(QuorbitError::Case::keychainAccessDenied, "The unlock prompt was dismissed");
    secrets.failLoadsWith(refused);
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    auto ticksPass = [&] {
        QTest::qWait(1100);  // the refresh timer's own tick
        for (int turn = 0; turn < 3; ++turn) {
            clock.advance(1s);
            run(model.refreshTick());
        }
    };
    ticksPass();
    EXPECT_TRUE(model.codes().empty());
    EXPECT_EQ(model.statusMessage(), describe(refused));
    EXPECT_EQ(secrets.batchReads() + secrets.singleReads(), 1);

    run(model.primaryAction(alpha));  // a click copies: asked again, refused again
    ticksPass();
    EXPECT_EQ(secrets.batchReads() + secrets.singleReads(), 2);

    model.lock();
    run(model.unlock());
    ticksPass();
    EXPECT_EQ(secrets.batchReads() + secrets.singleReads(), 3);
    EXPECT_TRUE(model.codes().empty());

    secrets.failLoadsWith(std::nullopt);  // the user unlocked the keyring and clicks again
    run(model.primaryAction(alpha));
    ticksPass();
    EXPECT_EQ(model.codes().size(), 2u);
}

TEST_F(RefreshTest, CodesOfAnEndedPeriodGoWhileATurnStillWaits) {
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    secrets.holdReads(true);
    QCoro::Task<> waiting = model.refreshTick();  // waits for the missing secret's own read
    clock.advance(5s);
    EXPECT_TRUE(model.refreshTick().isReady());  // skipped at once
    EXPECT_EQ(model.secondsRemaining().at(alpha.id), 5);
    EXPECT_TRUE(model.codes().contains(alpha.id));
    clock.advance(10s);
    EXPECT_TRUE(model.refreshTick().isReady());
    EXPECT_FALSE(model.codes().contains(alpha.id));
    EXPECT_FALSE(model.secondsRemaining().contains(alpha.id));
    EXPECT_TRUE(model.codes().contains(counter.id));  // a counter-based code does not expire
    secrets.holdReads(false);
    run(std::move(waiting));
    EXPECT_TRUE(model.codes().contains(alpha.id));
}

// Codes are kept while nothing they are made from changes; each of these changes shows at once.
TEST_F(RefreshTest, ACodeFollowsItsPeriodAndItsAccount) {
    const RFC6238TotpGenerator reference;
    auto totpOf = [&](const OtpAccount& account, const std::string& secret) {
        return reference.totpCode(SecretBytes::fromText(secret), account.algorithm, static_cast<int>(account.digits),
                                  account.period, clock.now());
    };
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    EXPECT_EQ(model.codes().at(alpha.id), totpOf(alpha, "secret-bytes"));

    clock.advance(9s);  // the last second of the period
    run(model.refreshTick());
    EXPECT_EQ(model.codes().at(alpha.id), totpOf(alpha, "secret-bytes"));
    EXPECT_EQ(model.secondsRemaining().at(alpha.id), 1);

    clock.advance(1s);  // the next period
    run(model.refreshTick());
    EXPECT_EQ(model.codes().at(alpha.id), totpOf(alpha, "secret-bytes"));
    EXPECT_EQ(model.secondsRemaining().at(alpha.id), 30);

    auto accounts = repository.accounts();
    accounts[0].digits = 8;
    accounts[0].algorithm = OtpAlgorithm::sha256;  // the same secret, hashed another way
    accounts[1].hotpCounter = 8;
    repository.setAccounts(accounts);
    run(model.reload());
    EXPECT_EQ(model.codes().at(alpha.id), totpOf(accounts[0], "secret-bytes"));
    EXPECT_EQ(model.codes().at(counter.id), reference.hotpCode(SecretBytes::fromText("counter-secret"),
                                                               counter.algorithm, static_cast<int>(counter.digits), 8));

    accounts.erase(accounts.begin());  // gone from the list, gone from the codes
    repository.setAccounts(accounts);
    run(model.reload());
    EXPECT_FALSE(model.codes().contains(alpha.id));
    EXPECT_FALSE(model.secondsRemaining().contains(alpha.id));
    EXPECT_TRUE(model.codes().contains(counter.id));
}

// A stored count that wraps to 6 in an int makes no code, as copying it would not either.
TEST_F(RefreshTest, ADigitCountWiderThanIntShowsNoCode) {
    auto accounts = repository.accounts();
    accounts[0].digits = (std::int64_t{1} << 32) + 6;
    repository.setAccounts(accounts);
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    EXPECT_FALSE(model.codes().contains(alpha.id));
    EXPECT_TRUE(model.codes().contains(counter.id));
}

}  // namespace
}  // namespace quorbit::test
