#include "application/text/AppLocalizer.h"

#include <cerrno>
#include <system_error>

#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "application/ports/KeyringClientError.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"

namespace quorbit {

namespace {

struct TextPair {
    std::string_view english;
    std::string_view russian;
};

constexpr TextPair fileWriteFailedText{"Failed to save file. Check destination path and write permissions.",
                                       "Не удалось сохранить файл. Проверьте путь и права доступа."};
constexpr TextPair keyringAccessDeniedText{
    "The system denied access to the system keyring. Check the system keyring prompt and try again.",
    "Система не разрешила доступ к системной связке ключей. Проверьте системное окно доступа и повторите "
    "действие."};
constexpr TextPair checksumMismatchText{
    "The checksum does not match. Verify file integrity and try again.",
    "Контрольная сумма не совпадает. Проверьте целостность файла и повторите попытку."};
constexpr TextPair corruptedBackupText{"The backup file is corrupted or has an unsupported format.",
                                       "Файл резервной копии поврежден или имеет неподдерживаемый формат."};

constexpr TextPair diskFullText{"There is not enough disk space to save. Free some space and try again.",
                                "Недостаточно места на диске для сохранения. Освободите место и повторите попытку."};
constexpr TextPair folderNotWritableText{
    "Quorbit cannot write to its data folder. Check that the folder is writable and try again.",
    "Quorbit не может записать в папку с данными. Проверьте права на запись и повторите попытку."};
constexpr TextPair dataUnreadableText{
    "Quorbit could not read or save its data. The file may be damaged or unavailable.",
    "Quorbit не удалось прочитать или сохранить данные. Файл может быть повреждён или недоступен."};
constexpr TextPair keyringUnavailableText{
    "No system keyring is available. Start a keyring service such as GNOME Keyring, KWallet or KeePassXC, then try "
    "again.",
    "Системная связка ключей недоступна. Запустите службу связки ключей (GNOME Keyring, KWallet или KeePassXC) и "
    "повторите попытку."};
constexpr TextPair missingSecretText{
    "A secret is missing from the system keyring. Restore the account from a backup or add it again.",
    "Секрет отсутствует в системной связке ключей. Восстановите аккаунт из резервной копии или добавьте его заново."};
constexpr TextPair keyringFailureText{"The system keyring reported an error. Try again.",
                                      "Системная связка ключей сообщила об ошибке. Повторите попытку."};

// A full disk and a folder that refuses writes say what to do; nothing else is known to the
// user from the code.
std::optional<TextPair> fileCauseTexts(const std::error_code& cause) {
    if (!cause || (cause.category() != std::generic_category() && cause.category() != std::system_category())) {
        return std::nullopt;
    }
    switch (cause.value()) {
    case ENOSPC:
    case EDQUOT: return diskFullText;
    case EROFS:
    case EACCES:
    case EPERM: return folderNotWritableText;
    default: return std::nullopt;
    }
}

// Only a backup's own format check names the backup; a stored file that cannot be read or
// written is not a corrupted backup.
TextPair persistenceFailureTexts(const QuorbitError& error) {
    if (UnicodeText::containsCaseInsensitive(error.detail(), "checksum")) return checksumMismatchText;
    if (error.detail() == "Invalid backup format") return corruptedBackupText;
    return fileCauseTexts(error.cause()).value_or(dataUnreadableText);
}

TextPair keychainFailureTexts(const QuorbitError& error) {
    return error.detail() == KeyringClientError::itemNotFound().message() ? missingSecretText : keyringFailureText;
}

TextPair keychainAccessDeniedTexts(const QuorbitError& error) {
    return error.detail() == QuorbitError::keychainUnavailableDetail ? keyringUnavailableText : keyringAccessDeniedText;
}

// The details are not shown; they only choose between texts.
TextPair quorbitErrorTexts(const QuorbitError& error) {
    using Case = QuorbitError::Case;
    switch (error.errorCase()) {
    case Case::fileWriteFailed: return error.cause().value() == ENOSPC ? diskFullText : fileWriteFailedText;
    case Case::keychainFailure: return keychainFailureTexts(error);
    case Case::persistenceFailure: return persistenceFailureTexts(error);
    case Case::invalidSecret: return {"The token secret is not valid Base32.", "Секрет некорректен."};
    case Case::invalidTokenURI: return {"The token link is not a valid otpauth:// URI.", "Ссылка некорректна."};
    case Case::duplicateAccount: return {"This token already exists in Quorbit.", "Токен уже существует."};
    case Case::accountNotFound: return {"The account could not be found.", "Аккаунт не найден."};
    case Case::locked: return {"Quorbit is locked.", "Quorbit заблокирован."};
    case Case::wrongBackupPassword: return {"The backup password is incorrect.", "Неверный пароль резервной копии."};
    case Case::corruptedBackup: return corruptedBackupText;
    case Case::checksumMismatch: return checksumMismatchText;
    case Case::keychainAccessDenied: return keychainAccessDeniedTexts(error);
    case Case::noAccountsSelected: return {"No accounts selected.", "Не выбрано ни одного аккаунта."};
    case Case::unsupportedQRCode:
        return {"No compatible authenticator QR code was found.",
                "QR-код найден, но это не код двухфакторной аутентификации."};
    case Case::screenRecordingPermissionDenied:
        // There is no privacy pane to point at here: the system asks at the next capture.
        return {"Screen access is not granted. Allow Quorbit to capture the screen when the system asks, "
                "then try again.",
                "Нет доступа к экрану. Разрешите Quorbit доступ к экрану, когда система запросит его, "
                "затем попробуйте снова."};
    case Case::screenCaptureEmpty:
        return {"Failed to capture screen image. Try again or restart the application.",
                "Не удалось получить изображение экрана. Попробуйте снова или перезапустите приложение."};
    case Case::noQRCodeFound:
        return {"No QR code found on screen. Make sure the QR code is fully visible, enlarge it, and try again.",
                "QR-код на экране не найден. Убедитесь, что QR-код полностью виден, увеличьте его и "
                "попробуйте снова."};
    case Case::invalidMigrationData:
        return {"The Google Authenticator export data is invalid.",
                "Некорректные данные экспорта Google Authenticator."};
    case Case::migrationDecodeFailed:
        return {"Failed to decode the migration data.", "Не удалось декодировать данные миграции."};
    }
    return corruptedBackupText;
}

// errno values stand in for the platform's file error codes: no write permission, an
// unspecified write error, no space, no such file, and a file in an unreadable format.
std::optional<TextPair> fileErrorTexts(const std::exception& error) {
    const auto* systemError = dynamic_cast<const std::system_error*>(&error);
    if (systemError == nullptr) {
        return std::nullopt;
    }
    const std::error_code code = systemError->code();
    if (code.category() != std::generic_category() && code.category() != std::system_category()) {
        return std::nullopt;
    }
    switch (code.value()) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EIO:
    case ENOENT: return fileWriteFailedText;
    case ENOSPC:
    case EDQUOT: return diskFullText;
    case EILSEQ:
    case EBADMSG: return corruptedBackupText;
    default: return std::nullopt;
    }
}

TextPair securityEventTexts(SecurityEventKind kind) {
    using Kind = SecurityEventKind;
    switch (kind) {
    case Kind::accountCreated: return {"Account created", "Аккаунт создан"};
    case Kind::accountUpdated: return {"Account updated", "Аккаунт обновлён"};
    case Kind::accountMovedToTrash: return {"Account moved to trash", "Аккаунт перемещён в корзину"};
    case Kind::accountRestored: return {"Account restored", "Аккаунт восстановлен"};
    case Kind::accountDeletedPermanently: return {"Account permanently deleted", "Аккаунт окончательно удалён"};
    case Kind::codeCopied: return {"Code copied", "Код скопирован"};
    case Kind::importPreviewCreated: return {"Import preview created", "Предпросмотр импорта создан"};
    case Kind::importCompleted: return {"Import completed", "Импорт завершён"};
    case Kind::backupCreated: return {"Backup created", "Резервная копия создана"};
    case Kind::backupImported: return {"Backup imported", "Резервная копия импортирована"};
    case Kind::settingsChanged: return {"Settings changed", "Настройки изменены"};
    case Kind::appLocked: return {"App locked", "Приложение заблокировано"};
    case Kind::appUnlocked: return {"App unlocked", "Приложение разблокировано"};
    case Kind::securityAuditRun: return {"Security check completed", "Проверка безопасности выполнена"};
    case Kind::securityIssueIgnored: return {"Security issue ignored", "Предупреждение проигнорировано"};
    case Kind::recoveryKitCreated: return {"Recovery kit created", "Набор для восстановления создан"};
    case Kind::recoveryKitFailed: return {"Recovery kit failed", "Ошибка создания набора для восстановления"};
    case Kind::dataLifecycleReviewOpened: return {"Data lifecycle review opened", "Жизненный цикл данных открыт"};
    case Kind::trashEmptied: return {"Trash emptied", "Корзина очищена"};
    case Kind::bulkActionCompleted: return {"Bulk action completed", "Массовое действие выполнено"};
    case Kind::selectedAccountsExported: return {"Selected accounts exported", "Выбранные аккаунты экспортированы"};
    }
    return {};
}

TextPair filterTexts(const AccountFilterSelection& filter) {
    using Case = AccountFilterSelection::Case;
    switch (filter.filterCase()) {
    case Case::tag: return {filter.tagText(), filter.tagText()};
    case Case::all: return {"All", "Все"};
    case Case::favorites: return {"Favorites", "Избранное"};
    case Case::recent: return {"Recent", "Недавние"};
    case Case::trash: return {"Trash", "Корзина"};
    }
    return {};
}

std::string textIn(AppLanguage language, TextPair texts) {
    return std::string(localized(language, texts.english, texts.russian));
}

std::string number(std::int64_t value) { return std::to_string(value); }

// Thousands apart as each language writes them: "10,000", "10 000" (a no-break space).
std::string groupedNumber(std::int64_t value, std::string_view separator) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped = value < 0 ? "-" : "";
    for (std::size_t index = 0; index < digits.size(); ++index) {
        if (index > 0 && (digits.size() - index) % 3 == 0) grouped += separator;
        grouped += digits[index];
    }
    return grouped;
}

}  // namespace

std::string AppLocalizer::choose(std::string english, std::string russian) const {
    return language_ == AppLanguage::russian ? std::move(russian) : std::move(english);
}

std::string AppLocalizer::pick(std::string_view english, std::string_view russian) const {
    return textIn(language_, {english, russian});
}

std::string AppLocalizer::errorDescription(const std::exception& error) const {
    if (const auto* quorbitError = dynamic_cast<const QuorbitError*>(&error)) {
        const std::string description = textIn(language_, quorbitErrorTexts(*quorbitError));
        if (!quorbitError->line()) return description;
        const std::string line = number(static_cast<std::int64_t>(*quorbitError->line()));
        return choose("Line " + line + ": ", "Строка " + line + ": ") + description;
    }
    if (const auto texts = fileErrorTexts(error)) {
        return textIn(language_, *texts);
    }
    std::string description = error.what();
    if (UnicodeText::containsCaseInsensitive(description, "checksum")) {
        return textIn(language_, checksumMismatchText);
    }
    if (UnicodeText::containsCaseInsensitive(description, "keychain")) {
        return textIn(language_, keyringAccessDeniedText);
    }
    return description;
}

std::string AppLocalizer::hotKeyRegistrationError(const std::exception& error) const {
    const auto* hotKeyError = dynamic_cast<const GlobalHotKeyRegistrationError*>(&error);
    if (hotKeyError == nullptr) {
        return pick("Shortcut error: ", "Ошибка горячих клавиш: ") + error.what();
    }
    if (hotKeyError->errorCase() == GlobalHotKeyRegistrationError::Case::duplicateShortcut) {
        return pick("Shortcut conflict: both actions use the same combination. Choose different shortcuts.",
                    "Конфликт горячих клавиш: выберите другие.");
    }
    if (hotKeyError->errorCase() == GlobalHotKeyRegistrationError::Case::unavailable) {
        return pick("Global shortcuts are not available in this session: they work in an X11 session.",
                    "Глобальные горячие клавиши недоступны в этом сеансе: они работают в сеансе X11.");
    }
    const std::string status = number(hotKeyError->status());
    return choose("Shortcut conflict: the system rejected one of the selected shortcuts (status " + status +
                      "). Choose another combination.",
                  "Конфликт горячих клавиш: система отклонила одно из выбранных сочетаний (status " + status +
                      "). Выберите другую комбинацию.");
}

std::string AppLocalizer::importedOtpAuthTokens(std::int64_t count) const {
    return choose("Imported " + number(count) + " otpauth tokens", "Импортировано токенов otpauth: " + number(count));
}

std::string AppLocalizer::importedTokens(std::int64_t count) const {
    return choose("Imported " + number(count) + " tokens", "Импортировано токенов: " + number(count));
}

std::string AppLocalizer::importProgress(std::int64_t done, std::int64_t total) const {
    const std::string separator = pick(",", "\u00A0");
    const std::string of = groupedNumber(done, separator) + pick(" of ", " из ") + groupedNumber(total, separator);
    return choose("Importing " + of + "\u2026", "Импорт: " + of + "\u2026");
}

std::string AppLocalizer::importCancelled() const { return pick("Import cancelled", "Импорт отменён"); }

std::string AppLocalizer::pbkdf2TooLowWarning(std::int64_t minimumIterations) const {
    const std::string minimum = number(minimumIterations);
    return choose("Warning: Less than " + minimum + " iterations significantly reduces security.",
                  "Предупреждение: менее " + minimum + " итераций значительно снижает безопасность.");
}

std::string AppLocalizer::copied(std::string_view name) const {
    return pick("Copied ", "Скопировано ") + std::string(name);
}

std::string AppLocalizer::launchAtLoginError(std::string_view detail) const {
    return pick("Launch at login error: ", "Ошибка запуска при входе: ") + std::string(detail);
}

std::string AppLocalizer::diagnosticsError(std::string_view detail) const {
    return pick("Diagnostics error: ", "Ошибка диагностики: ") + std::string(detail);
}

std::string AppLocalizer::securityAuditSummary(std::int64_t critical, std::int64_t warnings, std::int64_t info) const {
    const std::string a = number(critical);
    const std::string b = number(warnings);
    const std::string c = number(info);
    return choose("Critical: " + a + ", Warnings: " + b + ", Recommendations: " + c,
                  "Критичных: " + a + ", Предупреждений: " + b + ", Рекомендаций: " + c);
}

std::string AppLocalizer::securityEventDescription(SecurityEventKind kind) const {
    return textIn(language_, securityEventTexts(kind));
}

std::string AppLocalizer::accountAccessibility(const OtpAccount& account, const std::optional<std::string>& code,
                                               std::int64_t seconds, bool codeVisible, CodeFormat codeFormat) const {
    return UnicodeText::isolatedForDisplay(account.label()) + ", " +
           UnicodeText::isolatedForDisplay(account.accountName) +
           codeContinuation(account, format(codeFormat, code), seconds, codeVisible);
}

std::string AppLocalizer::codeContinuation(const OtpAccount& account, const std::string& shownCode,
                                           std::int64_t seconds, bool codeVisible) const {
    const std::string codePart = codeVisible ? choose(", code " + shownCode, ", код " + shownCode)
                                             : pick(", code hidden", ", код скрыт");
    if (account.type == OtpType::hotp) {
        return pick(", HOTP counter ", ", HOTP счетчик ") + number(account.hotpCounter) + codePart;
    }
    return codePart + choose(", " + number(seconds) + " seconds remaining", ", осталось секунд: " + number(seconds));
}

std::string AppLocalizer::filterTitle(const AccountFilterSelection& filter) const {
    return textIn(language_, filterTexts(filter));
}

}  // namespace quorbit
