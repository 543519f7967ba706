#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "application/ports/BackupCryptoService.h"
#include "application/ports/Clock.h"
#include "application/ports/DocumentFiles.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "domain/RecoveryKitManifest.h"
#include "domain/SecretBytes.h"
#include "lib/Base32Encoding.h"

namespace quorbit {

// Writes a Recovery Kit straight into a chosen folder: the encrypted backup of every account
// outside the trash, a manifest, a Russian read-me and a SHA-256 list of those three that a
// standard checker verifies inside the folder.
class CreateRecoveryKit {
public:
    static constexpr std::string_view backupFileName = "Quorbit.quorbitbackup";
    static constexpr std::string_view manifestFileName = "manifest.json";
    static constexpr std::string_view readmeFileName = "README-Восстановление.txt";
    static constexpr std::string_view checksumFileName = "checksum-sha256.txt";

    // A missing version or build is written as the manifest's fallback.
    CreateRecoveryKit(TokenRepository& repository, SecretStore& secretStore, const Base32Encoding& encoder,
                      BackupCryptoService& crypto, const Clock& clock, DocumentFiles& files,
                      std::optional<std::string> appVersion = std::nullopt,
                      std::optional<std::string> appBuild = std::nullopt);

    // Returns the folder. Files of the same names are replaced. Each file is written only
    // after the previous one was; a failure leaves the files written before it in place.
    std::filesystem::path execute(const SecretBytes& password, const std::filesystem::path& destinationDirectory) const;

private:
    RecoveryKitManifest generateManifest() const;
    std::string generateReadme() const;
    std::string generateChecksums(const std::filesystem::path& backup, const std::filesystem::path& manifest,
                                  const std::filesystem::path& readme) const;
    void write(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) const;
    void write(const std::filesystem::path& target, std::string_view text) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Base32Encoding& encoder_;
    BackupCryptoService& crypto_;
    const Clock& clock_;
    DocumentFiles& files_;
    std::optional<std::string> appVersion_;
    std::optional<std::string> appBuild_;
};

}  // namespace quorbit
