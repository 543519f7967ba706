#include "application/usecases/RemoveOrphanedSecrets.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "UseCaseFixture.h"

namespace quorbit::test {
namespace {

struct UnsoundListCase {
    const char* name;
    std::function<void(FakeTokenRepository&)> damage;
};

struct RemoveOrphanedSecretsTest : UseCaseFixture, testing::WithParamInterface<UnsoundListCase> {
    RemoveOrphanedSecretsTest() {
        trashed.trashedAt = startTime;
        repository.setAccounts({listed, trashed});
        for (const OtpSecretRef& ref : {listed.secretRef, trashed.secretRef, orphan})
            secretStore.saveSecret(SecretBytes{7}, ref);
    }
    std::size_t sweep() { return RemoveOrphanedSecrets(repository, secretStore).execute(); }

    OtpAccount listed = storedAccount("Example", "alice");
    OtpAccount trashed = storedAccount("Example", "bob");
    OtpSecretRef orphan{Uuid::random().toString()};
};

TEST_F(RemoveOrphanedSecretsTest, RemovesWhatNoAccountTrashedOrNotRefersTo) {
    EXPECT_EQ(sweep(), 1u);
    EXPECT_FALSE(secretStore.contains(orphan));
    EXPECT_TRUE(secretStore.contains(listed.secretRef));
    EXPECT_TRUE(secretStore.contains(trashed.secretRef));
    EXPECT_EQ(repository.saveCount(), 0);
}

// Accounts of a list that could not be read, or of one set aside, may still need their secrets.
TEST_P(RemoveOrphanedSecretsTest, RemovesNothingUnlessTheListIsTheWholeTruth) {
    GetParam().damage(repository);
    try {
        sweep();
    } catch (const QuorbitError&) {
        // passed on; what matters is that nothing went
    }
    EXPECT_TRUE(secretStore.deleteRequests().empty());
    EXPECT_EQ(secretStore.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RemoveOrphanedSecretsTest,
    testing::Values(UnsoundListCase{"Unreadable",
                                    [](FakeTokenRepository& list) {
                                        list.failLoadsWith(QuorbitError::persistenceFailure("damaged"));
                                    }},
                    UnsoundListCase{"SetAside", [](FakeTokenRepository& list) { list.setKeepsSetAsideCopies(true); }}),
    [](const testing::TestParamInfo<UnsoundListCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quorbit::test
