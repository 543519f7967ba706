#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace quorbit {

// Files the user chooses: backups, plain exports, Recovery Kits. Every file written is mode
// 0600 and replaced atomically, so a failed write leaves an existing file as it was.
class DocumentFiles {
public:
    virtual ~DocumentFiles() = default;

    // Throws QuorbitError fileWriteFailed with the system's description.
    virtual void writeAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) = 0;

    // The whole file, or no value when it holds more than `byteLimit` bytes; an oversized
    // file is never read whole. Throws QuorbitError persistenceFailure when it cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> readWhole(const std::filesystem::path& source,
                                                               std::size_t byteLimit) = 0;
};

}  // namespace quorbit
