#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace quorbit {

// Writes whole files so that a crash at any point leaves either the old or the new file,
// complete: a temporary file in the same folder (mode 0600), fsync, rename over the target,
// fsync of the folder. Stale temporary files a killed writer left for the same target are
// removed after a successful write. Holds no state, so any thread may call it.
class AtomicFileWriter {
public:
    AtomicFileWriter() = delete;

    static constexpr std::filesystem::perms fileMode = std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_write;
    static constexpr std::filesystem::perms folderMode = std::filesystem::perms::owner_all;

    // Creates the folder and any missing parents with mode 0700; existing folders stay as they are.
    // Throws std::system_error.
    static void createFolder(const std::filesystem::path& folder);

    // Replaces `target` by `bytes`; the target's folder must exist. Throws std::system_error
    // naming the file, and then leaves the previous file and no temporary file behind.
    static void write(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
    static void write(const std::filesystem::path& target, std::string_view text);
};

}  // namespace quorbit
