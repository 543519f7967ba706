#include "infrastructure/files/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <string>
#include <string_view>
#include <system_error>

namespace quorbit {

namespace {

[[noreturn]] void throwFailure(int error, const std::string& what, const std::filesystem::path& path) {
    throw std::system_error(error, std::generic_category(), what + " \"" + path.filename().string() + "\"");
}

constexpr std::string_view temporarySuffix = ".tmp-";
constexpr std::size_t temporaryUniqueLength = 6;  // mkostemp's "XXXXXX"

std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + std::string(temporarySuffix);
}

// The temporary file until it is renamed over the target; removed when anything fails first.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
        : path_((target.parent_path() / (temporaryPrefix(target) + std::string(temporaryUniqueLength, 'X'))).string()) {
        // mkostemp gives a name no other writer can take; its mode 0600 may be narrowed by the umask.
        descriptor_ = ::mkostemp(path_.data(), O_CLOEXEC);
        if (descriptor_ < 0) throwFailure(errno, "Could not create a temporary file for", target);
        if (::fchmod(descriptor_, 0600) != 0) {
            const int error = errno;
            closeDescriptor();
            ::unlink(path_.c_str());
            throwFailure(error, "Could not create a temporary file for", target);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        closeDescriptor();
        if (!committed_) ::unlink(path_.c_str());
    }

    void writeAll(std::span<const std::uint8_t> bytes, const std::filesystem::path& target) {
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t count = ::write(descriptor_, bytes.data() + written, bytes.size() - written);
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) throwFailure(count < 0 ? errno : EIO, "Could not write", target);
            written += static_cast<std::size_t>(count);
        }
        if (::fsync(descriptor_) != 0) throwFailure(errno, "Could not write", target);
        if (closeDescriptor() != 0) throwFailure(errno, "Could not write", target);
    }

    void renameOver(const std::filesystem::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) throwFailure(errno, "Could not replace", target);
        committed_ = true;
    }

private:
    int closeDescriptor() {
        if (descriptor_ < 0) return 0;
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }

    std::string path_;
    int descriptor_ = -1;
    bool committed_ = false;
};

// Makes the rename itself durable. The new file is already complete and in place, so a
// folder that cannot be synced (some file systems refuse) is no failure of the write.
void syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// A writer killed mid-save leaves its temporary file behind. Ours for this target are removed
// once they are old enough not to belong to a save still under way.
void removeStaleTemporaryFiles(const std::filesystem::path& target) {
    const std::string prefix = temporaryPrefix(target);
    const auto staleBefore = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        const bool ours = name.size() == prefix.size() + temporaryUniqueLength && name.starts_with(prefix) &&
                          std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                                      [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
        std::error_code ignored;
        if (ours && entry.is_regular_file(ignored) && entry.last_write_time(ignored) < staleBefore) {
            std::filesystem::remove(entry.path(), ignored);
        }
    }
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

}  // namespace

void AtomicFileWriter::createFolder(const std::filesystem::path& folder) {
    std::filesystem::path current;
    for (const auto& component : folder) {
        current /= component;
        if (::mkdir(current.c_str(), 0700) == 0) {
            // The umask must not widen or narrow what we ask for.
            ::chmod(current.c_str(), 0700);
            continue;
        }
        const int error = errno;
        std::error_code ignored;
        if (error != EEXIST || !std::filesystem::is_directory(current, ignored)) {
            throwFailure(error == EEXIST ? ENOTDIR : error, "Could not create the folder", current);
        }
    }
}

void AtomicFileWriter::write(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path folder = folderOf(target);
    TemporaryFile temporary(folder / target.filename());
    temporary.writeAll(bytes, target);
    temporary.renameOver(target);
    syncFolder(folder);
    removeStaleTemporaryFiles(folder / target.filename());
}

void AtomicFileWriter::write(const std::filesystem::path& target, std::string_view text) {
    write(target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace quorbit
