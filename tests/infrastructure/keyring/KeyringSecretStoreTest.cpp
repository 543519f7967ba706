#include "infrastructure/keyring/KeyringSecretStore.h"

#include <gtest/gtest.h>

#include "support/ThrownError.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "domain/QuorbitError.h"
#include "support/FakeKeyringClient.h"

namespace quorbit {
namespace {

using test::FakeKeyringClient;
using Operation = FakeKeyringClient::Operation;

const std::string current = "Current Service";
const std::string legacy = "Legacy Service";
const OtpSecretRef ref{"REF-1"};
const SecretBytes secret{0x00, 0x7F, 0xFF};

class KeyringSecretStoreTest : public testing::Test {
protected:
    FakeKeyringClient client;
    KeyringSecretStore store{current, legacy, client, true};
};

TEST_F(KeyringSecretStoreTest, SavesUnderTheCurrentServiceWithTheSynchronizableFlag) {
    store.saveSecret(secret, ref);
    EXPECT_EQ(client.item(current, ref.rawValue), secret);
    EXPECT_EQ(client.lastSaveSynchronizable(), true);
    EXPECT_EQ(store.loadSecret(ref), secret);
    EXPECT_FALSE(client.item(legacy, ref.rawValue));
}

TEST_F(KeyringSecretStoreTest, MovesALegacyItemOnFirstRead) {
    client.putItem(legacy, ref.rawValue, secret);
    EXPECT_EQ(store.loadSecret(ref), secret);
    EXPECT_EQ(client.item(current, ref.rawValue), secret);
    EXPECT_FALSE(client.item(legacy, ref.rawValue));
    EXPECT_EQ(client.calls(), (std::vector<std::string>{"load " + current, "load " + legacy, "save " + current,
                                                        "load " + current, "remove " + legacy}));
}

TEST_F(KeyringSecretStoreTest, PrefersTheCurrentItemOverALegacyOne) {
    client.putItem(current, ref.rawValue, secret);
    client.putItem(legacy, ref.rawValue, SecretBytes{0x01});
    EXPECT_EQ(store.loadSecret(ref), secret);
    EXPECT_TRUE(client.item(legacy, ref.rawValue));
}

TEST_F(KeyringSecretStoreTest, AnItemUnderNeitherNameIsNotFound) {
    EXPECT_EQ(test::thrownError([&] { store.loadSecret(ref); }), QuorbitError::keychainFailure("Item not found"));
}

TEST_F(KeyringSecretStoreTest, AMoveThatDoesNotReadBackEqualKeepsTheLegacyItem) {
    client.putItem(legacy, ref.rawValue, secret);
    client.storeAlteredBytes(true);
    EXPECT_EQ(test::thrownError([&] { store.loadSecret(ref); }),
              QuorbitError::keychainFailure("New keyring item verification failed"));
    EXPECT_EQ(client.item(legacy, ref.rawValue), secret);
    EXPECT_TRUE(client.item(current, ref.rawValue));
}

TEST_F(KeyringSecretStoreTest, RefusedAccessDuringAMoveIsAPlainFailure) {
    client.putItem(legacy, ref.rawValue, secret);
    client.fail(Operation::save, current, KeyringClientError::locked());
    const QuorbitError error = test::thrownError([&] { store.loadSecret(ref); });
    EXPECT_EQ(error.errorCase(), QuorbitError::Case::keychainFailure);
    EXPECT_NE(error.detail().find("locked"), std::string::npos);
    EXPECT_EQ(client.item(legacy, ref.rawValue), secret);
}

TEST_F(KeyringSecretStoreTest, DeleteRemovesTheItemUnderBothNames) {
    client.putItem(current, ref.rawValue, secret);
    client.putItem(legacy, ref.rawValue, secret);
    store.deleteSecret(ref);
    EXPECT_FALSE(client.item(current, ref.rawValue));
    EXPECT_FALSE(client.item(legacy, ref.rawValue));
    EXPECT_NO_THROW(store.deleteSecret(ref));
}

TEST_F(KeyringSecretStoreTest, AFailedDeleteStopsBeforeTheLegacyName) {
    client.fail(Operation::remove, current, KeyringClientError::failure("bus gone"));
    EXPECT_EQ(test::thrownError([&] { store.deleteSecret(ref); }), QuorbitError::keychainFailure("bus gone"));
    EXPECT_EQ(client.calls(), std::vector<std::string>{"remove " + current});
}

TEST_F(KeyringSecretStoreTest, ReadsManySecretsInOneCallAndLeavesOutTheRest) {
    const OtpSecretRef second{"REF-2"}, legacyOnly{"REF-3"}, missing{"REF-4"};
    client.putItem(current, ref.rawValue, secret);
    client.putItem(current, second.rawValue, SecretBytes{0x02});
    client.putItem(current, "NOT-ASKED", SecretBytes{0x03});
    client.putItem(legacy, legacyOnly.rawValue, SecretBytes{0x04});
    const auto secrets = store.loadSecrets({ref, second, legacyOnly, missing});
    EXPECT_EQ(secrets, (std::map<OtpSecretRef, SecretBytes>{{ref, secret}, {second, SecretBytes{0x02}}}));
    EXPECT_EQ(client.calls(), std::vector<std::string>{"loadMany " + current});
    EXPECT_TRUE(client.item(legacy, legacyOnly.rawValue));
}

struct MappingCase {
    std::string name;
    KeyringClientError clientError;
    QuorbitError::Case expectedCase;
    std::string expectedDetailPart;
};

class KeyringSecretStoreErrorMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(KeyringSecretStoreErrorMapping, AppliesToEveryOperation) {
    const MappingCase& mapping = GetParam();
    for (const Operation operation : {Operation::save, Operation::load, Operation::remove, Operation::loadMany}) {
        FakeKeyringClient client;
        KeyringSecretStore store{current, legacy, client, false};
        client.fail(operation, current, mapping.clientError);
        const QuorbitError error = test::thrownError([&] {
            if (operation == Operation::save) store.saveSecret(secret, ref);
            if (operation == Operation::load) store.loadSecret(ref);
            if (operation == Operation::remove) store.deleteSecret(ref);
            if (operation == Operation::loadMany) store.loadSecrets({ref});
        });
        EXPECT_EQ(error.errorCase(), mapping.expectedCase) << static_cast<int>(operation);
        EXPECT_NE(error.detail().find(mapping.expectedDetailPart), std::string::npos) << error.detail();
    }
}

INSTANTIATE_TEST_SUITE_P(ClientErrors, KeyringSecretStoreErrorMapping,
                         testing::Values(MappingCase{"LockedWithoutPrompt", KeyringClientError::locked(),
                                                     QuorbitError::Case::keychainAccessDenied, "locked"},
                                         MappingCase{"PromptDismissed", KeyringClientError::promptDismissed(),
                                                     QuorbitError::Case::keychainAccessDenied, "prompt was dismissed"},
                                         MappingCase{"NoService", KeyringClientError::unavailable(),
                                                     QuorbitError::Case::keychainAccessDenied, "no Secret Service"},
                                         MappingCase{"Failure", KeyringClientError::failure("daemon crashed"),
                                                     QuorbitError::Case::keychainFailure, "daemon crashed"}),
                         [](const testing::TestParamInfo<MappingCase>& param) { return param.param.name; });

}  // namespace
}  // namespace quorbit
