#include "application/usecases/ExportOtpAuthURIs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "domain/QuorbitError.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "support/FakeSecretStore.h"
#include "support/FakeTokenRepository.h"
#include "support/StoredAccount.h"
#include "support/ThrownError.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit::test {
namespace {

using namespace std::chrono;

struct OtpAuthUriExportTest : ::testing::Test {
    FakeTokenRepository repository;
    FakeSecretStore secretStore;
    Base32Codec codec;
    OtpAuthURIParser parser;

    void store(const OtpAccount& account, const SecretBytes& secret) {
        secretStore.saveSecret(secret, account.secretRef);
        repository.appendAccount(account);
    }
    std::vector<SecretBytes> exportAll() { return ExportOtpAuthURIs(repository, secretStore, codec, parser).execute(); }
};

TEST_F(OtpAuthUriExportTest, OneUriPerAccountOutsideTheTrashThatReadsBackIntoTheSameAccount) {
    OtpAccount hotp = storedAccount("Acme & Co", "alice@example.com");
    hotp.type = OtpType::hotp;
    hotp.algorithm = OtpAlgorithm::sha256;
    hotp.digits = 8;
    hotp.hotpCounter = 9;
    OtpAccount trashed = storedAccount("Trashed", "t");
    trashed.trashedAt = trashed.createdAt;
    OtpAccount totp = storedAccount("Example", "bob");
    totp.algorithm = OtpAlgorithm::sha512;
    totp.digits = 7;
    totp.period = 60;
    const std::vector<OtpAccount> exported{hotp, totp};
    const std::vector<SecretBytes> secrets{SecretBytes{0xde, 0xad, 0xbe, 0xef}, SecretBytes{0x01, 0x02, 0x03}};
    store(hotp, secrets[0]);
    store(trashed, SecretBytes{0xff});
    store(totp, secrets[1]);

    const auto uris = exportAll();

    ASSERT_EQ(uris.size(), exported.size());
    for (std::size_t i = 0; i < uris.size(); ++i) {
        const std::string_view uri = uris[i].asText();
        const TokenDraft draft = parser.parse(uri);
        EXPECT_EQ(draft.issuer, exported[i].issuer) << uri;
        EXPECT_EQ(draft.accountName, exported[i].accountName) << uri;
        EXPECT_EQ(codec.decode(draft.secretBase32.asText()), secrets[i]) << uri;
        EXPECT_EQ(draft.type, exported[i].type) << uri;
        EXPECT_EQ(draft.algorithm, exported[i].algorithm) << uri;
        EXPECT_EQ(draft.digits, exported[i].digits) << uri;
        EXPECT_EQ(draft.period, exported[i].period) << uri;
        EXPECT_EQ(draft.hotpCounter, exported[i].hotpCounter) << uri;
    }
}

TEST_F(OtpAuthUriExportTest, OnlyTrashedAccountsGiveNoUris) {
    OtpAccount trashed = storedAccount("Trashed", "t");
    trashed.trashedAt = trashed.createdAt;
    store(trashed, SecretBytes{0xff});

    EXPECT_TRUE(exportAll().empty());
}

TEST_F(OtpAuthUriExportTest, AFailingSecretLoadEndsTheExportWithItsError) {
    store(storedAccount("Acme", "a"), SecretBytes{0x01});
    repository.setAccounts({repository.accounts()[0], storedAccount("Lost", "secret")});
    EXPECT_EQ(thrownError([&] { exportAll(); }), QuorbitError::keychainFailure("Item not found"));

    secretStore.failLoadsWith(QuorbitError(QuorbitError::Case::keychainAccessDenied));
    EXPECT_EQ(thrownError([&] { exportAll(); }), QuorbitError(QuorbitError::Case::keychainAccessDenied));
}

TEST(OtpAuthUriExportFileText, JoinsWithLineFeedsAndEndsWithoutOne) {
    const struct {
        std::vector<std::string> uris;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{"otpauth://totp/a"}, "otpauth://totp/a"},
        {{"otpauth://totp/a", "otpauth://hotp/b", "otpauth://totp/c"},
         "otpauth://totp/a\notpauth://hotp/b\notpauth://totp/c"},
    };
    for (const auto& [uris, text] : cases) {
        std::vector<SecretBytes> secretURIs;
        for (const std::string& uri : uris) secretURIs.push_back(SecretBytes::fromText(uri));
        EXPECT_EQ(ExportOtpAuthURIs::fileText(secretURIs).asText(), text);
    }
}

TEST_F(OtpAuthUriExportTest, TheSecretReachesFreedMemoryOnlyWiped) {
    store(storedAccount("Acme", "bob"), watchedSecret);
    store(storedAccount("Acme", "carol"), watchedSecret);
    FreedMemoryWatch watch({watchedSecretBase32});

    const SecretBytes text = ExportOtpAuthURIs::fileText(exportAll());

    EXPECT_NE(text.asText().find(watchedSecretBase32), std::string_view::npos);
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit::test
