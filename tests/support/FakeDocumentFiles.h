#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "application/ports/DocumentFiles.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// Files in memory, keyed by path; writes can be made to fail.
class FakeDocumentFiles final : public DocumentFiles {
public:
    void writeAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) override {
        std::lock_guard lock(mutex_);
        if (writeError_) throw *writeError_;
        files_[target].assign(bytes.begin(), bytes.end());
    }
    std::optional<std::vector<std::uint8_t>> readWhole(const std::filesystem::path& source,
                                                       std::size_t byteLimit) override {
        std::lock_guard lock(mutex_);
        const auto found = files_.find(source);
        if (found == files_.end()) throw QuorbitError::persistenceFailure("No such file or directory");
        if (found->second.size() > byteLimit) return std::nullopt;
        return found->second;
    }

    void putFile(const std::filesystem::path& path, std::vector<std::uint8_t> bytes) {
        std::lock_guard lock(mutex_);
        files_[path] = std::move(bytes);
    }
    std::optional<std::vector<std::uint8_t>> file(const std::filesystem::path& path) const {
        std::lock_guard lock(mutex_);
        const auto found = files_.find(path);
        if (found == files_.end()) return std::nullopt;
        return found->second;
    }
    void failWritesWith(std::optional<QuorbitError> error) {
        std::lock_guard lock(mutex_);
        writeError_ = std::move(error);
    }

private:
    mutable std::mutex mutex_;
    std::map<std::filesystem::path, std::vector<std::uint8_t>> files_;
    std::optional<QuorbitError> writeError_;
};

}  // namespace quorbit::test
