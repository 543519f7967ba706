#include "application/usecases/RemoveOrphanedSecrets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "KeyringItems.h"
#include "config/KeyringNames.h"
#include "domain/Uuid.h"
#include "infrastructure/keyring/KeyringSecretStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"
#include "support/FakeTokenRepository.h"
#include "support/StoredAccount.h"

// Against the real keyring daemon of the test session, under a service of the test's own, so
// that the sweep never meets another test's items.
namespace quorbit {
namespace {

using test::KeyringItems;

TEST(OrphanedSecretSweepTest, RemovesOnlyTheSecretsNoAccountRefersTo) {
    const std::string service = "Quorbit sweep test " + Uuid::random().toString();
    SecretServiceClient client;
    KeyringSecretStore store{service, std::string(KeyringNames::legacyService), client, false};
    OtpAccount listed = test::storedAccount("Example", "alice");
    OtpAccount trashed = test::storedAccount("Example", "bob");
    trashed.trashedAt = listed.createdAt;
    const OtpSecretRef orphan{Uuid::random().toString()};
    for (const OtpSecretRef& ref : {listed.secretRef, trashed.secretRef, orphan})
        store.saveSecret(SecretBytes{1, 2}, ref);

    std::vector<OtpSecretRef> refs = store.storedSecretRefs();
    std::ranges::sort(refs);
    std::vector<OtpSecretRef> expected{listed.secretRef, trashed.secretRef, orphan};
    std::ranges::sort(expected);
    EXPECT_EQ(refs, expected) << "the listing holds the service's items and nothing else";

    test::FakeTokenRepository repository({listed, trashed});
    EXPECT_EQ(RemoveOrphanedSecrets(repository, store).execute(), 1u);
    EXPECT_TRUE(KeyringItems::find(service, orphan.rawValue).empty());
    EXPECT_EQ(KeyringItems::find(service, listed.secretRef.rawValue).size(), 1u);
    EXPECT_EQ(KeyringItems::find(service, trashed.secretRef.rawValue).size(), 1u)
        << "a trashed account keeps its secret";

    store.deleteSecret(listed.secretRef);
    store.deleteSecret(trashed.secretRef);
}

}  // namespace
}  // namespace quorbit
