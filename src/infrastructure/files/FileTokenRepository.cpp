#include "infrastructure/files/FileTokenRepository.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"
#include "format/OtpAccountJson.h"
#include "format/OtpAccountListWriter.h"
#include "infrastructure/files/XdgDataDirectory.h"

namespace quorbit {

namespace {

bool repeats(const OtpAccount& candidate, const OtpAccount& existing) {
    return candidate.id == existing.id || candidate.secretRef.rawValue == existing.secretRef.rawValue ||
           (UnicodeText::caseInsensitiveEquals(candidate.issuer, existing.issuer) &&
            UnicodeText::caseInsensitiveEquals(candidate.accountName, existing.accountName));
}

void merge(std::vector<OtpAccount>& current, const std::vector<OtpAccount>& legacy) {
    for (const OtpAccount& account : legacy) {
        const bool known =
            std::ranges::any_of(current, [&](const OtpAccount& existing) { return repeats(account, existing); });
        if (!known) current.push_back(account);
    }
}

[[noreturn]] void throwRemovalFailure(const std::filesystem::path& path, const std::error_code& error) {
    throw QuorbitError::persistenceFailure("Could not remove \"" + path.filename().string() + "\": " + error.message());
}

}  // namespace

FileTokenRepository::FileTokenRepository(std::filesystem::path file, std::filesystem::path legacyFile,
                                         DamagedFileReporting* reporting)
    : file_(std::move(file), reporting), legacyFile_(std::move(legacyFile)) {}

std::filesystem::path FileTokenRepository::defaultFileURL() {
    return XdgDataDirectory::quorbitFolder() / "accounts.json";
}

std::filesystem::path FileTokenRepository::legacyFileURL() {
    return XdgDataDirectory::legacyFolder() / "accounts.json";
}

std::vector<OtpAccount> FileTokenRepository::loadAccounts() {
    const std::scoped_lock lock(mutex_);
    return load(file_);
}

void FileTokenRepository::saveAccounts(const std::vector<OtpAccount>& accounts) {
    const std::scoped_lock lock(mutex_);
    const std::string text = encoded(accounts);
    file_.setAsideIfUnreadable<std::vector<OtpAccount>>(std::chrono::system_clock::now());
    file_.writeProtectedText(text);
}

bool FileTokenRepository::keepsSetAsideCopies() const { return file_.hasSetAsideCopies(); }

std::vector<OtpAccount> FileTokenRepository::migrateLegacyMetadataIfNeeded() {
    const std::scoped_lock lock(mutex_);
    std::error_code error;
    if (!std::filesystem::exists(legacyFile_.path(), error)) return load(file_);
    const std::vector<OtpAccount> legacy = load(legacyFile_);
    std::vector<OtpAccount> merged = load(file_);
    merge(merged, legacy);
    file_.writeProtectedText(encoded(merged));
    removeLegacyMetadata();
    return merged;
}

std::string FileTokenRepository::encoded(const std::vector<OtpAccount>& accounts) const {
    try {
        return OtpAccountListWriter::text(accounts, JsonStoreFile::indent);
    } catch (const std::exception& error) {
        throw file_.persistenceFailure(error);
    }
}

std::vector<OtpAccount> FileTokenRepository::load(const JsonStoreFile& file) const {
    try {
        return file.load<std::vector<OtpAccount>>().value_or(std::vector<OtpAccount>{});
    } catch (const std::exception& error) {
        throw file.persistenceFailure(error);
    }
}

// The earlier product's folder goes only when nothing else is left in it.
void FileTokenRepository::removeLegacyMetadata() const {
    std::error_code error;
    if (!std::filesystem::remove(legacyFile_.path(), error) && error) throwRemovalFailure(legacyFile_.path(), error);
    const std::filesystem::path folder = legacyFile_.path().parent_path();
    const bool empty = std::filesystem::is_empty(folder, error);
    if (error || !empty) return;
    if (!std::filesystem::remove(folder, error) && error) throwRemovalFailure(folder, error);
}

}  // namespace quorbit
