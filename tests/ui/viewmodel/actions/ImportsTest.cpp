#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "lib/GoogleAuthMigrationParser.h"
#include "support/TestPaths.h"
#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using ImportsTest = DataActionsFixture;

const std::filesystem::path imagePath = "/pictures/code.png";
const std::string validUri = "otpauth://totp/Example:alice?secret=JBSWY3DPEHPK3PXP&issuer=Example";

std::string fixtureText(std::string_view name) {
    std::ifstream in(fixturePath(name));
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// Lines of distinct accounts, enough for several slices of the worker.
std::string uriLines(int count) {
    std::string text;
    for (int index = 0; index < count; ++index) {
        text += "otpauth://totp/Bulk:user" + std::to_string(index) + "?secret=JBSWY3DPEHPK3PXP&issuer=Bulk\n";
    }
    return text;
}

std::string upperCasePrefix(std::string uri) {
    const std::string prefix = "OTPAUTH-MIGRATION";
    return uri.replace(0, prefix.size(), prefix);
}

TEST_F(ImportsTest, AnUpperCaseMigrationCodeOpensTheImportWindowAndStoresNothing) {
    qr.setImageOutcome(upperCasePrefix(fixtureText("migration/batch-2-of-3.txt")));
    QuorbitViewModel& vm = model();
    vm.setShowingAddToken(true);
    dialogs.answerOpenPanel(imagePath);

    vm.importQRImage(true);

    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.importWindows().size() == 1; }));
    const auto& window = windows.importWindows().front();
    ASSERT_EQ(window.accounts.size(), 1u);
    EXPECT_EQ(window.accounts.front().name, "carol");
    EXPECT_FALSE(window.isFinalBatch);
    EXPECT_EQ(windows.showCount(0), 1);
    EXPECT_NE(vm.googleAuthWindowController(), nullptr);
    EXPECT_FALSE(vm.showingAddToken());
    EXPECT_TRUE(repository.accounts().empty());
}

TEST_F(ImportsTest, AMigrationCodeWithoutAccountsOpensNoWindow) {
    qr.setImageOutcome("otpauth-migration://offline?data=EAE%3D");  // version 1, no accounts
    QuorbitViewModel& vm = model();
    dialogs.answerOpenPanel(imagePath);

    vm.importQRImage(false);

    ASSERT_TRUE(waitForStatus("No accounts found in QR code for import"));
    EXPECT_TRUE(windows.importWindows().empty());
}

TEST_F(ImportsTest, OnlyASuccessfulImportFromTheAddFormClosesAndEmptiesIt) {
    struct Case {
        std::string payload;
        QString status;
        bool formStays;
    };
    const std::vector<Case> cases{
        {"otpauth://totp/Example:bob?secret=1189&issuer=Example", describe(QuorbitError::Case::invalidSecret), true},
        {"https://example.com", describe(QuorbitError::Case::invalidTokenURI), true},
        {validUri, "QR token imported", false},
    };
    QuorbitViewModel& vm = model();
    for (const Case& test : cases) {
        vm.setShowingAddToken(true);
        vm.setManualIssuer("Typed");
        vm.setStatusMessage(std::nullopt);
        qr.setImageOutcome(test.payload);
        dialogs.answerOpenPanel(imagePath);

        vm.importQRImage(true);

        ASSERT_TRUE(waitForStatus(test.status)) << test.payload;
        EXPECT_EQ(vm.showingAddToken(), test.formStays) << test.payload;
        if (test.formStays) {
            EXPECT_EQ(vm.manualIssuer(), "Typed") << test.payload;
        }
    }
    EXPECT_EQ(repository.accounts().size(), 1u);
}

TEST_F(ImportsTest, BlankTextIsNoTokenLink) {
    QuorbitViewModel& vm = model();
    for (const std::string text : {"", " \n\t\n"}) {
        vm.setStatusMessage(std::nullopt);
        run(vm.importOtpAuthText(text));
        EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::invalidTokenURI));
    }
    EXPECT_TRUE(repository.accounts().empty());
}

TEST_F(ImportsTest, TheScreenRoadShowsTheGuidanceOnRefusalAndStopsQuietlyOnCancel) {
    qr.setScreenOutcome(QuorbitError(QuorbitError::Case::screenRecordingPermissionDenied));
    QuorbitViewModel& vm = model();

    vm.importQRCodeFromScreen(false);

    ASSERT_TRUE(waitForStatus(describe(QuorbitError::Case::screenRecordingPermissionDenied)));
    EXPECT_EQ(permissions.guidanceCount(), 1);

    permissions.setResult(PermissionRequestResult::cancelled);
    vm.setStatusMessage("before");
    vm.importQRCodeFromScreen(false);
    QTest::qWait(50);
    EXPECT_EQ(vm.statusMessage(), "before");
    EXPECT_EQ(qr.screenReads(), 1);
}

TEST_F(ImportsTest, ADeclinedKeyringNoticeInTheMigrationImportIsACancellation) {
    const auto accounts = GoogleAuthMigrationParser::parse(fixtureText("migration/two-accounts.txt")).accounts;
    QuorbitViewModel& vm = model();
    dialogs.answerAlertWithFirstButton(false);

    EXPECT_FALSE(run(vm.importGoogleAuthAccounts(accounts, {0, 1})));
    EXPECT_TRUE(repository.accounts().empty());

    EXPECT_TRUE(run(vm.importGoogleAuthAccounts(accounts, {1})));
    ASSERT_EQ(repository.accounts().size(), 1u);
    EXPECT_EQ(repository.accounts().front().accountName, "bob");
}

// A new payload closes the earlier window; the earlier window's completion then leaves the new
// one alone; a finished window is released on a later turn, never inside its own callback.
TEST_F(ImportsTest, EachPayloadReplacesTheImportWindowOfTheMoment) {
    const std::string payload = fixtureText("migration/batch-2-of-3.txt");
    QuorbitViewModel& vm = model();
    run(vm.handleGoogleAuthMigration(payload, false));
    run(vm.handleGoogleAuthMigration(payload, false));

    EXPECT_EQ(windows.closeCount(0), 1);
    EXPECT_EQ(windows.closeCount(1), 0);
    windows.importWindows()[0].onComplete();
    EXPECT_NE(vm.googleAuthWindowController(), nullptr);
    EXPECT_FALSE(windows.isReleased(1));

    windows.importWindows()[1].onComplete();
    windows.importWindows()[1].onComplete();  // a window may complete twice
    EXPECT_EQ(vm.googleAuthWindowController(), nullptr);
    EXPECT_FALSE(windows.isReleased(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows.isReleased(0) && windows.isReleased(1); }));
}

TEST_F(ImportsTest, AUriFileOverOneMebibyteIsRefusedUnread) {
    const std::filesystem::path listPath = "/lists/uris.txt";
    QuorbitViewModel& vm = model();
    files.putFile(listPath, std::vector<std::uint8_t>(1024 * 1024 + 1, 'a'));
    dialogs.answerOpenPanel(listPath);
    vm.importOtpAuthTextFile();
    ASSERT_TRUE(waitForStatus("The file is larger than 1 MiB and was not imported."));

    const std::string list = validUri + "\n" + "otpauth://hotp/Shop:carol?secret=GEZDGNBV&issuer=Shop&counter=3";
    files.putFile(listPath, {list.begin(), list.end()});
    dialogs.answerOpenPanel(listPath);
    vm.importOtpAuthTextFile();
    ASSERT_TRUE(waitForStatus("Imported 2 otpauth tokens"));
    EXPECT_EQ(repository.accounts().size(), 2u);
    EXPECT_EQ(dialogs.openPanels().back().kind, DialogPresenter::FileKind::text);
}

// The import's slices let a copy in, and its one save keeps the copy's stamp.
TEST_F(ImportsTest, ACopyRunsBetweenTheSlicesOfALongImport) {
    const OtpAccount used = store("Stored", "used");
    QuorbitViewModel& vm = loadedModel();
    std::optional<std::size_t> copiesAtImportSave;
    repository.observeSaves([&](const std::vector<OtpAccount>& accounts) {
        if (accounts.size() > 1) copiesAtImportSave = clipboard.copies().size();
    });

    QCoro::Task<> importing = vm.importOtpAuthText(uriLines(600));
    run(vm.copyCode(used));
    run(std::move(importing));

    EXPECT_EQ(copiesAtImportSave, 1u);
    EXPECT_EQ(vm.statusMessage(), QStringLiteral("Imported 600 otpauth tokens"));
    const std::vector<OtpAccount> saved = repository.accounts();
    ASSERT_EQ(saved.size(), 601u);
    EXPECT_TRUE(saved.front().lastUsedAt.has_value());
}

TEST_F(ImportsTest, ACancelledImportLeavesNothingBehind) {
    store("Stored", "kept");
    QuorbitViewModel& vm = loadedModel();
    std::vector<QString> progress;
    QObject::connect(&vm, &QuorbitViewModel::statusMessageChanged, [&] {
        progress.push_back(vm.statusMessage().value_or(QString()));
        if (progress.back() == QStringLiteral("Importing 256 of 600\u2026")) vm.cancelImport();
    });
    const int savesBefore = repository.saveCount();

    run(vm.importOtpAuthText(uriLines(600)));

    EXPECT_EQ(progress.front(), QStringLiteral("Importing 0 of 600\u2026"));
    EXPECT_EQ(vm.statusMessage(), QStringLiteral("Import cancelled"));
    EXPECT_FALSE(vm.isImportRunning());
    EXPECT_EQ(repository.saveCount(), savesBefore);
    EXPECT_EQ(repository.accounts().size(), 1u);
    EXPECT_EQ(secrets.size(), 1u);
}

// Before, line 1 was saved, the list not reloaded, and the retry found it "already exists".
TEST_F(ImportsTest, ABadLineIsNamedAndTheFixedTextImportsWhole) {
    QuorbitViewModel& vm = loadedModel();
    run(vm.importOtpAuthText(validUri + "\notpauth://totp/Example:bob?secret=0000"));
    EXPECT_EQ(vm.statusMessage(), QStringLiteral("Line 2: The token secret is not valid Base32."));
    EXPECT_TRUE(repository.accounts().empty());
    EXPECT_EQ(secrets.size(), 0u);

    run(vm.importOtpAuthText(validUri + "\notpauth://totp/Example:bob?secret=JBSWY3DPEHPK3PXQ"));
    EXPECT_EQ(vm.statusMessage(), QStringLiteral("Imported 2 otpauth tokens"));
    EXPECT_EQ(vm.accounts().size(), 2u);
}

TEST_F(ImportsTest, APastedTextOverOneMebibyteIsRefusedAsTheFileIs) {
    QuorbitViewModel& vm = model();
    std::string text = validUri + "\n";
    text.resize(1024 * 1024 + 1, ' ');
    run(vm.importOtpAuthText(text));
    EXPECT_EQ(vm.statusMessage(), QStringLiteral("The file is larger than 1 MiB and was not imported."));
}

TEST_F(ImportsTest, AUriFileThatIsNotUtf8IsNoListOfLinks) {
    const std::filesystem::path listPath = "/lists/uris.txt";
    QuorbitViewModel& vm = model();
    const std::string latin1 = validUri + "&label=Caf\xE9";
    files.putFile(listPath, {latin1.begin(), latin1.end()});
    dialogs.answerOpenPanel(listPath);
    vm.importOtpAuthTextFile();
    EXPECT_TRUE(waitForStatus(describe(QuorbitError::Case::invalidTokenURI)));
    EXPECT_TRUE(repository.accounts().empty());
}

}  // namespace
}  // namespace quorbit::test
