#include "application/usecases/CreateRecoveryKit.h"

#include <array>
#include <limits>
#include <utility>

#include <nlohmann/json.hpp>
#include <openssl/sha.h>

#include "application/usecases/ExportBackup.h"
#include "domain/Iso8601Date.h"
#include "domain/QuorbitError.h"
#include "format/RecoveryKitManifestJson.h"

namespace quorbit {
namespace {

constexpr std::string_view readmeText =
    "НАБОР ДЛЯ ВОССТАНОВЛЕНИЯ Quorbit\n"
    "========================================\n"
    "\n"
    "Этот набор содержит зашифрованную резервную копию ваших токенов двухфакторной аутентификации.\n"
    "\n"
    "СОДЕРЖИМОЕ:\n"
    "1. Quorbit.quorbitbackup - Зашифрованная резервная копия.\n"
    "2. manifest.json - Служебная информация о версии приложения.\n"
    "3. checksum-sha256.txt - Контрольные суммы для проверки целостности файлов.\n"
    "4. README-Восстановление.txt - Эта инструкция.\n"
    "\n"
    "ВНИМАНИЕ:\n"
    "Для восстановления данных вам ОБЯЗАТЕЛЬНО потребуется пароль, который вы указали при создании этого набора.\n"
    "Если вы забудете пароль, восстановить данные будет НЕВОЗМОЖНО.\n"
    "\n"
    "КАК ВОССТАНОВИТЬ:\n"
    "1. Откройте приложение Quorbit.\n"
    "2. Перейдите в Настройки -> Импорт и Экспорт.\n"
    "3. Выберите \"Импорт резервной копии\" и укажите файл Quorbit.quorbitbackup.\n"
    "4. Введите пароль для расшифровки.\n"
    "\n"
    "Дата создания: ";

std::string sha256Hex(std::span<const std::uint8_t> bytes) {
    std::array<unsigned char, SHA256_DIGEST_LENGTH> digest{};
    SHA256(bytes.data(), bytes.size(), digest.data());
    constexpr std::string_view hexDigits = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : digest) {
        hex += hexDigits[byte >> 4];
        hex += hexDigits[byte & 0x0F];
    }
    return hex;
}

}  // namespace

CreateRecoveryKit::CreateRecoveryKit(TokenRepository& repository, SecretStore& secretStore,
                                     const Base32Encoding& encoder, BackupCryptoService& crypto, const Clock& clock,
                                     DocumentFiles& files, std::optional<std::string> appVersion,
                                     std::optional<std::string> appBuild)
    : repository_(repository), secretStore_(secretStore), encoder_(encoder), crypto_(crypto), clock_(clock),
      files_(files), appVersion_(std::move(appVersion)), appBuild_(std::move(appBuild)) {}

std::filesystem::path CreateRecoveryKit::execute(const SecretBytes& password,
                                                 const std::filesystem::path& destinationDirectory) const {
    const auto backup = ExportBackup(repository_, secretStore_, encoder_, crypto_, clock_).execute(password);
    const auto backupPath = destinationDirectory / backupFileName;
    write(backupPath, backup);
    const auto manifestPath = destinationDirectory / manifestFileName;
    write(manifestPath, nlohmann::json(generateManifest()).dump());
    const auto readmePath = destinationDirectory / readmeFileName;
    write(readmePath, generateReadme());
    write(destinationDirectory / checksumFileName, generateChecksums(backupPath, manifestPath, readmePath));
    return destinationDirectory;
}

RecoveryKitManifest CreateRecoveryKit::generateManifest() const {
    return RecoveryKitManifest{appVersion_.value_or(std::string(RecoveryKitManifest::fallbackAppVersion)),
                               appBuild_.value_or(std::string(RecoveryKitManifest::fallbackAppBuild)), clock_.now()};
}

std::string CreateRecoveryKit::generateReadme() const {
    return std::string(readmeText) + Iso8601Date::format(clock_.now());
}

// Hashes the files as they lie on disk, so the list vouches for what was really written.
std::string CreateRecoveryKit::generateChecksums(const std::filesystem::path& backup,
                                                 const std::filesystem::path& manifest,
                                                 const std::filesystem::path& readme) const {
    std::string list;
    for (const auto* path : {&backup, &manifest, &readme}) {
        const auto bytes = files_.readWhole(*path, std::numeric_limits<std::size_t>::max());
        if (!bytes) throw QuorbitError::persistenceFailure("Could not read \"" + path->filename().string() + "\"");
        list += sha256Hex(*bytes) + "  " + path->filename().string() + "\n";
    }
    return list;
}

void CreateRecoveryKit::write(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) const {
    files_.writeAtomically(target, bytes);
}

void CreateRecoveryKit::write(const std::filesystem::path& target, std::string_view text) const {
    write(target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace quorbit
