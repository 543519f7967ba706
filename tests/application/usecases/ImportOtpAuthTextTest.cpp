#include "application/usecases/ImportOtpAuthText.h"

#include <gtest/gtest.h>

#include "UseCaseFixture.h"
#include "lib/OtpAuthURIParser.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit::test {
namespace {

using C = QuorbitError::Case;

const std::string alice = "otpauth://totp/Example:alice?secret=JBSWY3DPEHPK3PXP";
const std::string bob = "otpauth://totp/Example:bob?secret=KRSXG5CTMVRXEZLU&issuer=Example";
const std::string carol = "otpauth://hotp/Other:carol?secret=GEZDGNBVGY3TQOJQ&counter=5";

struct ImportOtpAuthTextTest : UseCaseFixture {
    OtpAuthURIParser parser;

    std::vector<OtpAccount> import(std::string_view text) {
        return ImportOtpAuthText(repository, secretStore, parser, codec, clock).execute(text);
    }

    static std::vector<std::string> names(const std::vector<OtpAccount>& accounts) {
        std::vector<std::string> result;
        for (const OtpAccount& account : accounts) result.push_back(account.issuer + ":" + account.accountName);
        return result;
    }
};

TEST_F(ImportOtpAuthTextTest, AddsEveryLineInOrderWithBlankLinesAndIndentation) {
    const std::vector<OtpAccount> added = import("\n   " + alice + "\n\n\t" + bob + "  \n \n" + carol + "\n");

    const std::vector<std::string> expected{"Example:alice", "Example:bob", "Other:carol"};
    EXPECT_EQ(names(added), expected);
    EXPECT_EQ(repository.accounts(), added);
    EXPECT_EQ(added[2].type, OtpType::hotp);
    EXPECT_EQ(added[2].hotpCounter, 5);
    for (const OtpAccount& account : added) EXPECT_TRUE(secretStore.contains(account.secretRef));
}

TEST_F(ImportOtpAuthTextTest, SplitsAtEveryKindOfLineBreak) {
    for (const std::string lineBreak : {"\r\n", "\r", "\v", "\f", "\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"}) {
        repository.setAccounts({});
        EXPECT_EQ(import(alice + lineBreak + bob).size(), 2u) << "break of " << lineBreak.size() << " bytes";
    }
}

TEST_F(ImportOtpAuthTextTest, PassesACapitalSchemeToTheParserUnchanged) {
    EXPECT_EQ(names(import("OTPAUTH://TOTP/Example:alice?secret=JBSWY3DPEHPK3PXP")),
              (std::vector<std::string>{"Example:alice"}));
}

TEST_F(ImportOtpAuthTextTest, RejectsTheWholeTextBeforeAddingAnything) {
    repository.setAccounts({storedAccount("EXAMPLE", "Bob")});
    const struct {
        const char* name;
        std::string text;
        C expected;
    } cases[] = {
        {"empty", "", C::invalidTokenURI},
        {"blank", " \n\t\r\n ", C::invalidTokenURI},
        {"other text line", alice + "\n# my tokens", C::invalidTokenURI},
        {"parser rejects a line", alice + "\notpauth://totp/x?issuer=y", C::invalidTokenURI},
        {"duplicate lines", alice + "\notpauth://totp/%20EXAMPLE%20:Alice?secret=GEZDGNBVGY3TQOJQ",
         C::duplicateAccount},
        {"duplicate of a stored account", alice + "\n" + bob, C::duplicateAccount},
        {"lines equal under full case folding",
         "otpauth://totp/Stra%C3%9Fe:bob?secret=JBSWY3DPEHPK3PXP\notpauth://totp/STRASSE:bob?secret=GEZDGNBVGY3TQOJQ",
         C::duplicateAccount},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorCaseOf([&] { import(c.text); }), c.expected) << c.name;
    }
    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_EQ(secretStore.size(), 0u);
}

TEST_F(ImportOtpAuthTextTest, ImportsAnAccountThatOnlyExistsInTheTrash) {
    OtpAccount trashed = storedAccount("Example", "alice");
    trashed.trashedAt = startTime;
    repository.setAccounts({trashed});
    EXPECT_EQ(import(alice).size(), 1u);
    EXPECT_EQ(repository.accounts().size(), 2u);
}

// Every line is checked before anything is written, so a retry after the fix finds nothing
// half-imported; the error names the line as an editor numbers it.
TEST_F(ImportOtpAuthTextTest, ALineThatMakesNoAccountStopsTheWholeTextAndIsNamed) {
    const struct {
        const char* name;
        std::string text;
        C expected;
        std::size_t line;
    } cases[] = {
        {"invalid secret", alice + "\notpauth://totp/Example:bob?secret=0000", C::invalidSecret, 2},
        {"no issuer nor name", alice + "\r\n\r\notpauth://totp/%20?secret=JBSWY3DPEHPK3PXP", C::invalidTokenURI, 3},
        {"parser rejects", "\n" + alice + "\notpauth://totp/x?issuer=y", C::invalidTokenURI, 3},
        {"other text", alice + "\n# mine", C::invalidTokenURI, 2},
        {"repeated line", alice + "\n" + bob + "\n" + alice, C::duplicateAccount, 3},
    };
    for (const auto& c : cases) {
        const QuorbitError error = thrownError([&] { import(c.text); });
        EXPECT_EQ(error.errorCase(), c.expected) << c.name;
        EXPECT_EQ(error.line(), c.line) << c.name;
    }
    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_EQ(secretStore.size(), 0u);
    EXPECT_EQ(import(alice + "\n" + bob).size(), 2u);
}

// Secrets go first and the list once; whichever write fails, the secrets of the text go again.
TEST_F(ImportOtpAuthTextTest, AFailedWriteLeavesNoSecretBehind) {
    const QuorbitError full = QuorbitError::persistenceFailure("No space left on device");
    repository.failSavesWith(full);
    EXPECT_EQ(thrownError([&] { import(alice + "\n" + bob + "\n" + carol); }), full);
    EXPECT_EQ(secretStore.size(), 0u);
    EXPECT_EQ(secretStore.deleteRequests().size(), 3u);

    repository.failSavesWith(std::nullopt);
    PendingImport pending = ImportOtpAuthText(repository, secretStore, parser, codec, clock).plan(alice + "\n" + bob);
    pending.writeSecrets(secretStore, [&] { return pending.secretsWritten() == 1; });
    secretStore.failSavesWith(QuorbitError::keychainFailure("denied"));
    EXPECT_EQ(errorCaseOf([&] { pending.storeAll(repository, secretStore); }), C::keychainFailure);
    EXPECT_EQ(secretStore.size(), 0u);
    EXPECT_EQ(repository.saveCount(), 0);
}

TEST_F(ImportOtpAuthTextTest, PassesAnUnreadableListOn) {
    repository.failLoadsWith(QuorbitError::persistenceFailure("unreadable"));
    EXPECT_EQ(errorCaseOf([&] { import(alice); }), C::persistenceFailure);
    EXPECT_EQ(secretStore.size(), 0u);
}

// The lines, their URIs' query values and the drafts all hold the secret.
TEST_F(ImportOtpAuthTextTest, TheSecretReachesFreedMemoryOnlyWiped) {
    const SecretBytes text = SecretBytes::fromText(
        "  OTPAUTH://totp/Acme:bob?secret=T45FDRD6EKIAXVTEDCTTYVPBAKGUT5TQ&issuer=Acme\n"
        "otpauth://totp/Acme:carol?issuer=Acme&secret=T45FDRD6EKIAXVTEDCTTYVPBAKGUT5TQ&period=60");
    FreedMemoryWatch watch({watchedSecretBase32});

    EXPECT_EQ(import(text.asText()).size(), 2u);

    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit::test
