#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include <QTest>

#include "LockedKeyringCollection.h"
#include "RefusingKeyringPrompter.h"
#include "ViewModelFixture.h"
#include "config/KeyringNames.h"
#include "domain/Uuid.h"
#include "infrastructure/keyring/KeyringSecretStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"

namespace quorbit::test {
namespace {

using namespace std::chrono_literals;

// The session's real keyring daemon with the accounts' items in a locked collection, and a user
// who cancels every unlock prompt. The items carry a service name of this test's own.
class KeyringRefusalTest : public ViewModelFixture {
protected:
    KeyringRefusalTest() {
        std::map<std::string, SecretBytes> items;
        for (const char* issuer : {"Alpha", "Beta", "Gamma"}) {
            OtpAccount account = storedAccount(issuer, "user");
            items.emplace(account.secretRef.rawValue, SecretBytes::fromText("secret-bytes"));
            repository.appendAccount(account);
        }
        collection.emplace(service, items);
        secretStore = &keyring;
    }

    // The refresh timer's own tick, then a few more turns.
    void letTicksPass(QuorbitViewModel& model) {
        QTest::qWait(1100);
        for (int turn = 0; turn < 3; ++turn) {
            clock.advance(1s);
            run(model.refreshTick());
        }
    }

    const std::string service = "Quorbit test " + Uuid::random().toString();
    std::optional<LockedKeyringCollection> collection;
    RefusingKeyringPrompter prompter;
    SecretServiceClient client;
    KeyringSecretStore keyring{service, std::string(KeyringNames::legacyService), client, false};
};

TEST_F(KeyringRefusalTest, ACancelledPromptIsNotShownAgainUntilTheUserAsks) {
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    letTicksPass(model);
    EXPECT_EQ(prompter.prompts(), 1);
    EXPECT_TRUE(model.codes().empty());
    ASSERT_TRUE(model.statusMessage());
    EXPECT_EQ(*model.statusMessage(), describe(QuorbitError(QuorbitError::Case::keychainAccessDenied,
                                                            "the keyring stayed locked because its unlock prompt "
                                                            "was dismissed")));

    run(model.primaryAction(model.accounts().front()));  // a click asks again
    letTicksPass(model);
    EXPECT_EQ(prompter.prompts(), 2);

    model.lock();
    run(model.unlock());  // so does an unlock of the program
    letTicksPass(model);
    EXPECT_EQ(prompter.prompts(), 3);
    EXPECT_TRUE(model.codes().empty());
}

}  // namespace
}  // namespace quorbit::test
