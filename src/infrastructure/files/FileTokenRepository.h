#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "application/ports/TokenRepository.h"
#include "infrastructure/files/JsonStoreFile.h"

namespace quorbit {

// The account list in "accounts.json", plus the one-time takeover of the earlier product's
// account file. Safe to call from any thread: the calls run one at a time.
class FileTokenRepository final : public TokenRepository {
public:
    FileTokenRepository(std::filesystem::path file, std::filesystem::path legacyFile,
                        DamagedFileReporting* reporting = nullptr);

    static std::filesystem::path defaultFileURL();
    static std::filesystem::path legacyFileURL();

    std::vector<OtpAccount> loadAccounts() override;
    // An unreadable list is set aside before the new one is written.
    void saveAccounts(const std::vector<OtpAccount>& accounts) override;
    bool keepsSetAsideCopies() const override;

    // Appends the legacy accounts that repeat no current one, saves, removes the legacy file
    // (and its folder when that is then empty) and returns the list. Without a legacy file it
    // only loads. Failures throw QuorbitError::persistenceFailure.
    std::vector<OtpAccount> migrateLegacyMetadataIfNeeded();

private:
    std::vector<OtpAccount> load(const JsonStoreFile& file) const;
    std::string encoded(const std::vector<OtpAccount>& accounts) const;
    void removeLegacyMetadata() const;

    std::mutex mutex_;
    JsonStoreFile file_;
    JsonStoreFile legacyFile_;
};

}  // namespace quorbit
