#include "domain/QuorbitError.h"

#include <gtest/gtest.h>

#include <string>

namespace quorbit {
namespace {

using Case = QuorbitError::Case;

struct DescriptionCase {
    QuorbitError error;
    std::string description;
};

class QuorbitErrorDescription : public testing::TestWithParam<DescriptionCase> {};

TEST_P(QuorbitErrorDescription, IsTheCataloguedEnglishText) {
    EXPECT_EQ(GetParam().error.errorDescription(), GetParam().description);
    EXPECT_STREQ(GetParam().error.what(), GetParam().description.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, QuorbitErrorDescription,
    testing::Values(
        DescriptionCase{QuorbitError::fileWriteFailed("disk \"full\"."), "Failed to write file: disk \"full\"."},
        DescriptionCase{QuorbitError::keychainFailure("no service"), "System keyring error: no service"},
        DescriptionCase{QuorbitError::persistenceFailure("bad JSON"), "Storage error: bad JSON"},
        DescriptionCase{QuorbitError::persistenceFailure(""), "Storage error: "},
        DescriptionCase{QuorbitError(Case::invalidSecret), "The token secret is not valid Base32."},
        DescriptionCase{QuorbitError(Case::invalidTokenURI), "The token link is not a valid otpauth:// URI."},
        DescriptionCase{QuorbitError(Case::duplicateAccount), "This token already exists in Quorbit."},
        DescriptionCase{QuorbitError(Case::accountNotFound), "The account could not be found."},
        DescriptionCase{QuorbitError(Case::locked), "Quorbit is locked."},
        DescriptionCase{QuorbitError(Case::wrongBackupPassword), "The backup password is incorrect."},
        DescriptionCase{QuorbitError(Case::corruptedBackup),
                        "The backup file is corrupted or has an unsupported format."},
        DescriptionCase{QuorbitError(Case::checksumMismatch), "The checksum does not match."},
        DescriptionCase{QuorbitError(Case::keychainAccessDenied), "The system keyring denied access."},
        DescriptionCase{QuorbitError(Case::noAccountsSelected), "No accounts selected."},
        DescriptionCase{QuorbitError(Case::unsupportedQRCode), "No compatible authenticator QR code was found."},
        DescriptionCase{QuorbitError(Case::screenRecordingPermissionDenied),
                        "Screen recording access is not granted. Allow Quorbit to capture the screen in system "
                        "settings, then fully quit and reopen the application."},
        DescriptionCase{QuorbitError(Case::screenCaptureEmpty),
                        "Failed to capture screen image. Try again or restart the application."},
        DescriptionCase{
            QuorbitError(Case::noQRCodeFound),
            "No QR code found on screen. Make sure the QR code is fully visible, enlarge it, and try again."},
        DescriptionCase{QuorbitError(Case::invalidMigrationData), "The Google Authenticator export data is invalid."},
        DescriptionCase{QuorbitError(Case::migrationDecodeFailed), "Failed to decode the migration data."}));

TEST(QuorbitErrorEquality, ComparesCaseAndDetail) {
    EXPECT_EQ(QuorbitError(Case::locked), QuorbitError(Case::locked));
    EXPECT_NE(QuorbitError::keychainFailure("a"), QuorbitError::keychainFailure("b"));
    EXPECT_EQ(QuorbitError::keychainFailure("a"), QuorbitError(Case::keychainFailure, "a"));
    EXPECT_NE(QuorbitError::keychainFailure("a"), QuorbitError::persistenceFailure("a"));
    EXPECT_NE(QuorbitError(Case::locked), QuorbitError(Case::invalidSecret));
}

TEST(QuorbitErrorDetail, IsKeptOnlyByTheThreeCasesThatCarryOne) {
    const QuorbitError locked(Case::locked, "ignored");
    EXPECT_EQ(locked.detail(), "");
    EXPECT_EQ(locked, QuorbitError(Case::locked));
    EXPECT_EQ(QuorbitError::fileWriteFailed("path").detail(), "path");
    EXPECT_EQ(QuorbitError::fileWriteFailed("path").errorCase(), Case::fileWriteFailed);
}

TEST(QuorbitErrorThrowing, IsCaughtAsAStandardException) {
    try {
        throw QuorbitError::persistenceFailure("x");
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Storage error: x");
    }
}

}  // namespace
}  // namespace quorbit
