#include "infrastructure/keyring/SecretServiceClient.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>
#include <vector>

#include "KeyringItems.h"
#include "config/KeyringNames.h"
#include "domain/QuorbitError.h"
#include "domain/Uuid.h"
#include "infrastructure/keyring/KeyringSecretStore.h"

// These run against the real keyring daemon of the test session. Every test uses fresh
// references, so parallel runs never meet.
namespace quorbit {
namespace {

using test::KeyringItems;

const std::string current{KeyringNames::service};
const std::string legacy{KeyringNames::legacyService};

SecretBytes everyByteValue() {
    SecretBytes bytes;
    for (int value = 255; value >= 0; --value) bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

class SecretServiceClientTest : public testing::Test {
protected:
    SecretServiceClient client;
    KeyringSecretStore store{current, legacy, client, false};
    const OtpSecretRef ref{Uuid::random().toString()};
};

struct RoundTripCase {
    std::string name;
    SecretBytes secret;
};

class SecretServiceClientRoundTrip : public SecretServiceClientTest,
                                     public testing::WithParamInterface<RoundTripCase> {};

TEST_P(SecretServiceClientRoundTrip, KeepsTheBytesExactly) {
    const SecretBytes& secret = GetParam().secret;
    store.saveSecret(secret, ref);
    EXPECT_EQ(store.loadSecret(ref), secret);
    EXPECT_EQ(KeyringItems::find(current, ref.rawValue), std::vector{secret});
    store.deleteSecret(ref);
    EXPECT_TRUE(KeyringItems::find(current, ref.rawValue).empty());
}

INSTANTIATE_TEST_SUITE_P(Secrets, SecretServiceClientRoundTrip,
                         testing::Values(RoundTripCase{"OneZeroByte", SecretBytes{0x00}},
                                         RoundTripCase{"AlternatingFFAndZero", SecretBytes{0xFF, 0x00, 0xFF, 0x00}},
                                         RoundTripCase{"ZerosAroundText", SecretBytes{0x00, 0x00, 0x41, 0x00}},
                                         RoundTripCase{"EveryByteValue", everyByteValue()}),
                         [](const testing::TestParamInfo<RoundTripCase>& param) { return param.param.name; });

TEST_F(SecretServiceClientTest, SavingAgainReplacesTheItemInPlace) {
    store.saveSecret(SecretBytes{0x01, 0x02}, ref);
    store.saveSecret(SecretBytes{0xFE}, ref);
    EXPECT_EQ(store.loadSecret(ref), (SecretBytes{0xFE}));
    EXPECT_EQ(KeyringItems::find(current, ref.rawValue).size(), 1u);
    store.deleteSecret(ref);
}

TEST_F(SecretServiceClientTest, AMissingItemIsNotFoundAndDeletesQuietly) {
    try {
        store.loadSecret(ref);
        ADD_FAILURE() << "a missing item loaded";
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error, QuorbitError::keychainFailure("Item not found"));
    }
    EXPECT_NO_THROW(store.deleteSecret(ref));
}

TEST_F(SecretServiceClientTest, DeleteRemovesTheItemUnderBothServiceNames) {
    store.saveSecret(SecretBytes{0x10}, ref);
    KeyringItems::store("org.example.EarlierProduct", legacy, ref.rawValue, SecretBytes{0x20});
    store.deleteSecret(ref);
    EXPECT_TRUE(KeyringItems::find(current, ref.rawValue).empty());
    EXPECT_TRUE(KeyringItems::find(legacy, ref.rawValue).empty());
}

TEST_F(SecretServiceClientTest, ALegacyItemMovesOnFirstRead) {
    const SecretBytes secret{0x00, 0xFF, 0x80, 0x7F};
    KeyringItems::store("org.example.EarlierProduct", legacy, ref.rawValue, secret);
    EXPECT_EQ(store.loadSecret(ref), secret);
    EXPECT_EQ(KeyringItems::find(current, ref.rawValue), std::vector{secret});
    EXPECT_TRUE(KeyringItems::find(legacy, ref.rawValue).empty());
    EXPECT_EQ(store.loadSecret(ref), secret);
    store.deleteSecret(ref);
}

TEST_F(SecretServiceClientTest, ReadsManySecretsTogetherLeavingOutLegacyAndMissingOnes) {
    const OtpSecretRef second{Uuid::random().toString()}, legacyOnly{Uuid::random().toString()},
        missing{Uuid::random().toString()};
    store.saveSecret(SecretBytes{0x00, 0x01}, ref);
    store.saveSecret(everyByteValue(), second);
    KeyringItems::store("org.example.EarlierProduct", legacy, legacyOnly.rawValue, SecretBytes{0x20});
    const auto secrets = store.loadSecrets({ref, second, legacyOnly, missing});
    EXPECT_EQ(secrets,
              (std::map<OtpSecretRef, SecretBytes>{{ref, SecretBytes{0x00, 0x01}}, {second, everyByteValue()}}));
    EXPECT_EQ(KeyringItems::find(legacy, legacyOnly.rawValue), std::vector{SecretBytes{0x20}});
    for (const OtpSecretRef& stored : {ref, second, legacyOnly}) store.deleteSecret(stored);
}

// Another program deleting items while the batch read runs must not fail the read.
TEST_F(SecretServiceClientTest, ItemsDeletedDuringABatchReadAreLeftOut) {
    std::vector<OtpSecretRef> doomed;
    for (int index = 0; index < 40; ++index) {
        doomed.push_back(OtpSecretRef{Uuid::random().toString()});
        store.saveSecret(SecretBytes{0x30}, doomed.back());
    }
    store.saveSecret(SecretBytes{0x42}, ref);
    std::thread deleter([&doomed] {
        SecretServiceClient otherProgram;
        for (const OtpSecretRef& item : doomed) otherProgram.remove(current, item.rawValue);
    });
    std::vector<std::string> accounts{ref.rawValue};
    for (const OtpSecretRef& item : doomed) accounts.push_back(item.rawValue);
    std::map<std::string, SecretBytes> last;
    for (int read = 0; read < 40; ++read) {
        try {
            last = client.loadMany(current, accounts);
        } catch (...) {
            deleter.join();
            throw;
        }
    }
    deleter.join();
    EXPECT_EQ(last.at(ref.rawValue), (SecretBytes{0x42}));
    store.deleteSecret(ref);
}

TEST_F(SecretServiceClientTest, ItemsOfOtherReferencesAreUntouched) {
    const OtpSecretRef other{Uuid::random().toString()};
    store.saveSecret(SecretBytes{0x01}, ref);
    store.saveSecret(SecretBytes{0x02}, other);
    store.deleteSecret(ref);
    EXPECT_EQ(store.loadSecret(other), (SecretBytes{0x02}));
    store.deleteSecret(other);
}

}  // namespace
}  // namespace quorbit
