#include "application/text/AppLocalizer.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

const AppLocalizer english{AppLanguage::english};
const AppLocalizer russian{AppLanguage::russian};

const std::string fileSaveEn = "Failed to save file. Check destination path and write permissions.";
const std::string fileSaveRu = "Не удалось сохранить файл. Проверьте путь и права доступа.";
const std::string checksumEn = "The checksum does not match. Verify file integrity and try again.";
const std::string checksumRu = "Контрольная сумма не совпадает. Проверьте целостность файла и повторите попытку.";
const std::string corruptEn = "The backup file is corrupted or has an unsupported format.";
const std::string corruptRu = "Файл резервной копии поврежден или имеет неподдерживаемый формат.";
const std::string unreadableEn = "Quorbit could not read or save its data. The file may be damaged or unavailable.";
const std::string unreadableRu =
    "Quorbit не удалось прочитать или сохранить данные. Файл может быть повреждён или недоступен.";
const std::string keyringEn =
    "The system denied access to the system keyring. Check the system keyring prompt and try again.";
const std::string keyringRu =
    "Система не разрешила доступ к системной связке ключей. Проверьте системное окно доступа и повторите действие.";

std::vector<QuorbitError> everyQuorbitError(const std::string& detail) {
    std::vector<QuorbitError> errors;
    for (int i = 0; i <= static_cast<int>(QuorbitError::Case::migrationDecodeFailed); ++i) {
        errors.emplace_back(static_cast<QuorbitError::Case>(i), detail);
    }
    return errors;
}

// A category other than the errno ones, so its codes must not be read as file errors.
class ForeignCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "foreign"; }
    std::string message(int) const override { return "foreign failure"; }
};

const ForeignCategory foreignCategory;

TEST(AppLocalizerErrors, EveryCaseHasItsOwnTextInBothLanguagesAndHidesTheDetail) {
    const std::string detail = "/home/someone/private-path";
    for (const QuorbitError& error : everyQuorbitError(detail)) {
        SCOPED_TRACE(error.errorDescription());
        const std::string en = english.errorDescription(error);
        const std::string ru = russian.errorDescription(error);
        EXPECT_FALSE(en.empty());
        EXPECT_FALSE(ru.empty());
        EXPECT_NE(en, ru);
        EXPECT_EQ(en.find(detail), std::string::npos);
        EXPECT_EQ(ru.find(detail), std::string::npos);
    }
}

TEST(AppLocalizerErrors, CatalogueTextsDifferFromTheErrorsOwnDescription) {
    const QuorbitError duplicate(QuorbitError::Case::duplicateAccount);
    EXPECT_EQ(english.errorDescription(duplicate), "This token already exists in Quorbit.");
    EXPECT_EQ(russian.errorDescription(duplicate), "Токен уже существует.");

    const QuorbitError checksum(QuorbitError::Case::checksumMismatch);
    EXPECT_EQ(english.errorDescription(checksum), checksumEn);
    EXPECT_NE(english.errorDescription(checksum), checksum.errorDescription());
}

TEST(AppLocalizerErrors, TheDetailIsNeverShownInAFileWriteText) {
    for (const std::string detail : {"", "Keychain error -25300", "checksum"}) {
        EXPECT_EQ(english.errorDescription(QuorbitError::fileWriteFailed(detail)), fileSaveEn);
        EXPECT_EQ(russian.errorDescription(QuorbitError::fileWriteFailed(detail)), fileSaveRu);
    }
}

// A full disk, a read-only folder, an unreadable store, a missing keyring item, a refused
// keyring and no keyring at all each say what happened, not that a backup is corrupted.
TEST(AppLocalizerErrors, EachCauseOfAFailedSaveOrReadHasItsOwnText) {
    const std::error_code noSpace(ENOSPC, std::generic_category());
    const std::error_code readOnly(EROFS, std::generic_category());
    const struct {
        const char* name;
        QuorbitError error;
        std::string english;
        std::string russian;
    } cases[] = {
        {"disk full", QuorbitError::persistenceFailure("write", noSpace),
         "There is not enough disk space to save. Free some space and try again.",
         "Недостаточно места на диске для сохранения. Освободите место и повторите попытку."},
        {"export to a full disk", QuorbitError::fileWriteFailed("write", noSpace),
         "There is not enough disk space to save. Free some space and try again.",
         "Недостаточно места на диске для сохранения. Освободите место и повторите попытку."},
        {"read-only folder", QuorbitError::persistenceFailure("write", readOnly),
         "Quorbit cannot write to its data folder. Check that the folder is writable and try again.",
         "Quorbit не может записать в папку с данными. Проверьте права на запись и повторите попытку."},
        {"unreadable accounts file", QuorbitError::persistenceFailure("The data in \"accounts.json\" couldn't be read"),
         unreadableEn, unreadableRu},
        {"backup of an unknown format", QuorbitError::persistenceFailure("Invalid backup format"), corruptEn,
         corruptRu},
        {"missing keyring item", QuorbitError::keychainFailure("Item not found"),
         "A secret is missing from the system keyring. Restore the account from a backup or add it again.",
         "Секрет отсутствует в системной связке ключей. Восстановите аккаунт из резервной копии или добавьте его "
         "заново."},
        {"other keyring failure", QuorbitError::keychainFailure("Timeout was reached"),
         "The system keyring reported an error. Try again.",
         "Системная связка ключей сообщила об ошибке. Повторите попытку."},
        {"dismissed prompt", QuorbitError(QuorbitError::Case::keychainAccessDenied, "the prompt was dismissed"),
         keyringEn, keyringRu},
        {"no keyring at all", QuorbitError::keychainUnavailable(),
         "No system keyring is available. Start a keyring service such as GNOME Keyring, KWallet or KeePassXC, then "
         "try again.",
         "Системная связка ключей недоступна. Запустите службу связки ключей (GNOME Keyring, KWallet или KeePassXC) "
         "и повторите попытку."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(english.errorDescription(c.error), c.english) << c.name;
        EXPECT_EQ(russian.errorDescription(c.error), c.russian) << c.name;
    }
}

struct PersistenceCase {
    std::string detail;
    bool mentionsChecksum;
};

void PrintTo(const PersistenceCase& c, std::ostream* out) { *out << '"' << c.detail << '"'; }

class AppLocalizerPersistenceFailure : public testing::TestWithParam<PersistenceCase> {};

TEST_P(AppLocalizerPersistenceFailure, DetailChoosesTheChecksumText) {
    const QuorbitError error = QuorbitError::persistenceFailure(GetParam().detail);
    EXPECT_EQ(english.errorDescription(error), GetParam().mentionsChecksum ? checksumEn : unreadableEn);
    EXPECT_EQ(russian.errorDescription(error), GetParam().mentionsChecksum ? checksumRu : unreadableRu);
}

INSTANTIATE_TEST_SUITE_P(Details, AppLocalizerPersistenceFailure,
                         testing::Values(PersistenceCase{"checksum mismatch", true},
                                         PersistenceCase{"Bad CHECKSUM in header", true},
                                         PersistenceCase{"ChecKsum", true}, PersistenceCase{"check sum", false},
                                         PersistenceCase{"", false}, PersistenceCase{"unexpected end of JSON", false}));

struct PlatformCase {
    std::string name;
    std::function<void()> raise;
    std::string english;
    std::string russian;
};

void PrintTo(const PlatformCase& c, std::ostream* out) { *out << c.name; }

class AppLocalizerPlatformErrors : public testing::TestWithParam<PlatformCase> {};

TEST_P(AppLocalizerPlatformErrors, MapsFileCodesAndDescriptionWords) {
    try {
        GetParam().raise();
        FAIL() << "nothing thrown";
    } catch (const std::exception& error) {
        EXPECT_EQ(english.errorDescription(error), GetParam().english);
        EXPECT_EQ(russian.errorDescription(error), GetParam().russian);
    }
}

void throwErrno(int value, const std::error_category& category) { throw std::system_error(value, category, "op"); }

INSTANTIATE_TEST_SUITE_P(
    Errors, AppLocalizerPlatformErrors,
    testing::Values(
        PlatformCase{"noSuchFile", [] { throwErrno(ENOENT, std::generic_category()); }, fileSaveEn, fileSaveRu},
        PlatformCase{"noPermission", [] { throwErrno(EACCES, std::system_category()); }, fileSaveEn, fileSaveRu},
        PlatformCase{"readOnly", [] { throwErrno(EROFS, std::system_category()); }, fileSaveEn, fileSaveRu},
        PlatformCase{"outOfSpace", [] { throwErrno(ENOSPC, std::generic_category()); },
                     "There is not enough disk space to save. Free some space and try again.",
                     "Недостаточно места на диске для сохранения. Освободите место и повторите попытку."},
        PlatformCase{"corruptFile", [] { throwErrno(EILSEQ, std::generic_category()); }, corruptEn, corruptRu},
        PlatformCase{"filesystemError",
                     [] {
                         throw std::filesystem::filesystem_error(
                             "rename", std::make_error_code(std::errc::no_such_file_or_directory));
                     },
                     fileSaveEn, fileSaveRu},
        PlatformCase{"otherErrnoFallsThrough", [] { throwErrno(EINTR, std::generic_category()); },
                     std::system_error(EINTR, std::generic_category(), "op").what(),
                     std::system_error(EINTR, std::generic_category(), "op").what()},
        PlatformCase{"foreignCategoryFallsThrough", [] { throwErrno(ENOENT, foreignCategory); }, "op: foreign failure",
                     "op: foreign failure"},
        PlatformCase{"foreignCategoryChecksum",
                     [] { throw std::system_error(ENOENT, foreignCategory, "Checksum of part"); }, checksumEn,
                     checksumRu},
        PlatformCase{"checksumWord", [] { throw std::runtime_error("CHECKSUM failed"); }, checksumEn, checksumRu},
        PlatformCase{"keychainWord", [] { throw std::runtime_error("The KeyChain is locked"); }, keyringEn, keyringRu},
        PlatformCase{"ownDescription", [] { throw std::runtime_error("Disk went away"); }, "Disk went away",
                     "Disk went away"}),
    [](const testing::TestParamInfo<PlatformCase>& param) { return param.param.name; });

TEST(AppLocalizerHotKeys, DuplicateShortcut) {
    const auto error = GlobalHotKeyRegistrationError::duplicateShortcut();
    EXPECT_EQ(english.hotKeyRegistrationError(error),
              "Shortcut conflict: both actions use the same combination. Choose different shortcuts.");
    EXPECT_EQ(russian.hotKeyRegistrationError(error), "Конфликт горячих клавиш: выберите другие.");
}

TEST(AppLocalizerHotKeys, RefusedShortcutShowsTheSignedStatus) {
    for (const std::int32_t status : {-9878, 0, 2147483647}) {
        const auto error = GlobalHotKeyRegistrationError::registrationFailed(KeyboardShortcutAction::copyCode, status);
        const std::string shown = std::to_string(status);
        EXPECT_EQ(english.hotKeyRegistrationError(error),
                  "Shortcut conflict: the system rejected one of the selected shortcuts (status " + shown +
                      "). Choose another combination.");
        EXPECT_EQ(russian.hotKeyRegistrationError(error),
                  "Конфликт горячих клавиш: система отклонила одно из выбранных сочетаний (status " + shown +
                      "). Выберите другую комбинацию.");
    }
}

TEST(AppLocalizerHotKeys, ShortcutsUnavailableInTheSessionInBothLanguages) {
    const auto error = GlobalHotKeyRegistrationError::unavailable();
    EXPECT_EQ(english.hotKeyRegistrationError(error),
              "Global shortcuts are not available in this session: they work in an X11 session.");
    EXPECT_EQ(russian.hotKeyRegistrationError(error),
              "Глобальные горячие клавиши недоступны в этом сеансе: они работают в сеансе X11.");
}

TEST(AppLocalizerHotKeys, OtherErrorsShowTheirDescription) {
    const std::runtime_error error("Global shortcuts are not available in this session");
    EXPECT_EQ(english.hotKeyRegistrationError(error),
              "Shortcut error: Global shortcuts are not available in this session");
    EXPECT_EQ(russian.hotKeyRegistrationError(error),
              "Ошибка горячих клавиш: Global shortcuts are not available in this session");
}

struct StatusCase {
    std::string name;
    std::function<std::string(const AppLocalizer&)> text;
    std::string english;
    std::string russian;
};

void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.name; }

std::string statusCaseName(const testing::TestParamInfo<StatusCase>& param) { return param.param.name; }

class AppLocalizerStatusLines : public testing::TestWithParam<StatusCase> {};

TEST_P(AppLocalizerStatusLines, ExactTextInBothLanguages) {
    EXPECT_EQ(GetParam().text(english), GetParam().english);
    EXPECT_EQ(GetParam().text(russian), GetParam().russian);
}

// Numbers never inflect: one is said like many, and negatives keep their minus sign.
INSTANTIATE_TEST_SUITE_P(
    Counts, AppLocalizerStatusLines,
    testing::Values(
        StatusCase{"importedTokensOne", [](const AppLocalizer& l) { return l.importedTokens(1); }, "Imported 1 tokens",
                   "Импортировано токенов: 1"},
        StatusCase{"importedTokensMany", [](const AppLocalizer& l) { return l.importedTokens(21); },
                   "Imported 21 tokens", "Импортировано токенов: 21"},
        StatusCase{"importedOtpAuthTokensLarge", [](const AppLocalizer& l) { return l.importedOtpAuthTokens(1000000); },
                   "Imported 1000000 otpauth tokens", "Импортировано токенов otpauth: 1000000"},
        StatusCase{"importedOtpAuthTokensNegative", [](const AppLocalizer& l) { return l.importedOtpAuthTokens(-2); },
                   "Imported -2 otpauth tokens", "Импортировано токенов otpauth: -2"},
        StatusCase{"pbkdf2TooLowWarning", [](const AppLocalizer& l) { return l.pbkdf2TooLowWarning(100000); },
                   "Warning: Less than 100000 iterations significantly reduces security.",
                   "Предупреждение: менее 100000 итераций значительно снижает безопасность."},
        StatusCase{"securityAuditSummary", [](const AppLocalizer& l) { return l.securityAuditSummary(2, 0, 1); },
                   "Critical: 2, Warnings: 0, Recommendations: 1", "Критичных: 2, Предупреждений: 0, Рекомендаций: 1"},
        // The one progress line counts in thousands, as people read a long run.
        StatusCase{"importProgress", [](const AppLocalizer& l) { return l.importProgress(2500, 1000000); },
                   "Importing 2,500 of 1,000,000\u2026", "Импорт: 2\u00A0500 из 1\u00A0000\u00A0000\u2026"},
        StatusCase{"importProgressSmall", [](const AppLocalizer& l) { return l.importProgress(0, 999); },
                   "Importing 0 of 999\u2026", "Импорт: 0 из 999\u2026"},
        StatusCase{"errorOfALine",
                   [](const AppLocalizer& l) {
                       return l.errorDescription(QuorbitError(QuorbitError::Case::duplicateAccount).atLine(12));
                   },
                   "Line 12: This token already exists in Quorbit.", "Строка 12: Токен уже существует."}),
    statusCaseName);

INSTANTIATE_TEST_SUITE_P(
    Texts, AppLocalizerStatusLines,
    testing::Values(
        StatusCase{"copied", [](const AppLocalizer& l) { return l.copied("GitHub 123 456"); }, "Copied GitHub 123 456",
                   "Скопировано GitHub 123 456"},
        StatusCase{"launchAtLoginError",
                   [](const AppLocalizer& l) { return l.launchAtLoginError("no autostart folder"); },
                   "Launch at login error: no autostart folder", "Ошибка запуска при входе: no autostart folder"},
        StatusCase{"diagnosticsErrorEmptyDetail", [](const AppLocalizer& l) { return l.diagnosticsError(""); },
                   "Diagnostics error: ", "Ошибка диагностики: "},
        StatusCase{"eventCodeCopied",
                   [](const AppLocalizer& l) { return l.securityEventDescription(SecurityEventKind::codeCopied); },
                   "Code copied", "Код скопирован"},
        StatusCase{
            "eventRecoveryKitFailed",
            [](const AppLocalizer& l) { return l.securityEventDescription(SecurityEventKind::recoveryKitFailed); },
            "Recovery kit failed", "Ошибка создания набора для восстановления"},
        StatusCase{"filterFavorites",
                   [](const AppLocalizer& l) { return l.filterTitle(AccountFilterSelection::favorites()); },
                   "Favorites", "Избранное"},
        StatusCase{"filterTagInEitherLanguage",
                   [](const AppLocalizer& l) { return l.filterTitle(AccountFilterSelection::tag("Работа")); }, "Работа",
                   "Работа"}),
    statusCaseName);

TEST(AppLocalizerSecurityEvents, EveryKindHasADistinctTextInEachLanguage) {
    for (const AppLocalizer& localizer : {english, russian}) {
        std::set<std::string> seen;
        for (const SecurityEventKind kind : allSecurityEventKinds) {
            const std::string text = localizer.securityEventDescription(kind);
            EXPECT_FALSE(text.empty()) << rawValue(kind);
            EXPECT_TRUE(seen.insert(text).second) << text;
        }
    }
}

OtpAccount accountOf(OtpType type, std::string issuer, std::string accountName, std::int64_t counter) {
    OtpAccount account;
    account.type = type;
    account.issuer = std::move(issuer);
    account.accountName = std::move(accountName);
    account.hotpCounter = counter;
    return account;
}

struct AccessibilityCase {
    std::string name;
    OtpAccount account;
    std::optional<std::string> code;
    bool codeVisible;
    CodeFormat codeFormat;
    std::string english;
    std::string russian;
};

void PrintTo(const AccessibilityCase& c, std::ostream* out) { *out << c.name; }

class AppLocalizerAccountAccessibility : public testing::TestWithParam<AccessibilityCase> {};

// Seconds are always 12 and the HOTP counter 7, so a row that speaks the wrong one shows.
TEST_P(AppLocalizerAccountAccessibility, SpeaksNameCodeAndCountdownOrCounter) {
    const AccessibilityCase& c = GetParam();
    EXPECT_EQ(english.accountAccessibility(c.account, c.code, 12, c.codeVisible, c.codeFormat), c.english);
    EXPECT_EQ(russian.accountAccessibility(c.account, c.code, 12, c.codeVisible, c.codeFormat), c.russian);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AppLocalizerAccountAccessibility,
    testing::Values(
        AccessibilityCase{"totpWithoutIssuerHidden", accountOf(OtpType::totp, "", "me@example.org", 7), "123456", false,
                          CodeFormat::grouped, "me@example.org, me@example.org, code hidden, 12 seconds remaining",
                          "me@example.org, me@example.org, код скрыт, осталось секунд: 12"},
        AccessibilityCase{"totpShownGrouped", accountOf(OtpType::totp, "GitHub", "octo", 7), "123456", true,
                          CodeFormat::grouped, "GitHub, octo, code 123 456, 12 seconds remaining",
                          "GitHub, octo, код 123 456, осталось секунд: 12"},
        AccessibilityCase{"totpShownPlainEightDigits", accountOf(OtpType::totp, "GitHub", "octo", 7), "12345678", true,
                          CodeFormat::plain, "GitHub, octo, code 12345678, 12 seconds remaining",
                          "GitHub, octo, код 12345678, осталось секунд: 12"},
        AccessibilityCase{"totpShownWithoutCode", accountOf(OtpType::totp, "GitHub", "octo", 7), std::nullopt, true,
                          CodeFormat::grouped, "GitHub, octo, code --- ---, 12 seconds remaining",
                          "GitHub, octo, код --- ---, осталось секунд: 12"},
        AccessibilityCase{"hotpShown", accountOf(OtpType::hotp, "Bank", "Иван", 7), "87654321", true,
                          CodeFormat::grouped, "Bank, Иван, HOTP counter 7, code 8765 4321",
                          "Bank, Иван, HOTP счетчик 7, код 8765 4321"},
        AccessibilityCase{"hotpHidden", accountOf(OtpType::hotp, "Bank", "Иван", 7), "876543", false, CodeFormat::plain,
                          "Bank, Иван, HOTP counter 7, code hidden", "Bank, Иван, HOTP счетчик 7, код скрыт"}),
    [](const testing::TestParamInfo<AccessibilityCase>& param) { return param.param.name; });

// Every text the catalogue can produce for enumerable inputs, in one language.
std::vector<std::string> everyCatalogueText(const AppLocalizer& localizer) {
    std::vector<std::string> texts;
    for (const QuorbitError& error : everyQuorbitError("detail")) {
        texts.push_back(localizer.errorDescription(error));
    }
    texts.push_back(localizer.errorDescription(QuorbitError::persistenceFailure("checksum")));
    for (const int value : {EACCES, ENOSPC, ENOENT, EILSEQ}) {
        texts.push_back(localizer.errorDescription(std::system_error(value, std::generic_category())));
    }
    texts.push_back(localizer.errorDescription(std::runtime_error("keychain")));
    texts.push_back(localizer.hotKeyRegistrationError(GlobalHotKeyRegistrationError::duplicateShortcut()));
    texts.push_back(localizer.hotKeyRegistrationError(
        GlobalHotKeyRegistrationError::registrationFailed(KeyboardShortcutAction::openPanel, -1)));
    texts.push_back(localizer.hotKeyRegistrationError(std::runtime_error("x")));
    for (const SecurityEventKind kind : allSecurityEventKinds) {
        texts.push_back(localizer.securityEventDescription(kind));
    }
    for (const auto& filter : {AccountFilterSelection::all(), AccountFilterSelection::favorites(),
                               AccountFilterSelection::recent(), AccountFilterSelection::trash()}) {
        texts.push_back(localizer.filterTitle(filter));
    }
    texts.push_back(localizer.importedOtpAuthTokens(1));
    texts.push_back(localizer.importedTokens(1));
    texts.push_back(localizer.pbkdf2TooLowWarning(1));
    texts.push_back(localizer.copied("x"));
    texts.push_back(localizer.launchAtLoginError("x"));
    texts.push_back(localizer.diagnosticsError("x"));
    texts.push_back(localizer.securityAuditSummary(1, 1, 1));
    for (const OtpType type : allOtpTypes) {
        for (const bool visible : {true, false}) {
            texts.push_back(localizer.accountAccessibility(accountOf(type, "x", "y", 1), "123456", 1, visible,
                                                           CodeFormat::grouped));
        }
    }
    return texts;
}

TEST(AppLocalizerWording, NoTextNamesAnotherSystemsFacilities) {
    const std::vector<std::string> foreignNames{
        "Keychain", "Mac", "macOS", "Touch ID", "System Settings", "Системных настройках", "⌘", "⌥", "⌃"};
    for (const AppLocalizer& localizer : {english, russian}) {
        for (const std::string& text : everyCatalogueText(localizer)) {
            for (const std::string& name : foreignNames) {
                EXPECT_EQ(text.find(name), std::string::npos) << text;
            }
        }
    }
}

}  // namespace
}  // namespace quorbit
