#include "infrastructure/files/AtomicDocumentFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

#include "domain/QuorbitError.h"
#include "infrastructure/files/AtomicFileWriter.h"

namespace quorbit {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void failRead(int error, const std::filesystem::path& source) {
    throw QuorbitError::persistenceFailure("Could not read \"" + source.filename().string() +
                                               "\": " + std::strerror(error),
                                           std::error_code(error, std::generic_category()));
}

}  // namespace

void AtomicDocumentFiles::writeAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    try {
        AtomicFileWriter::write(target, bytes);
    } catch (const std::system_error& error) {
        throw QuorbitError::fileWriteFailed(error.what(), error.code());
    }
}

std::optional<std::vector<std::uint8_t>> AtomicDocumentFiles::readWhole(const std::filesystem::path& source,
                                                                        std::size_t byteLimit) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(source.c_str(), "rbe"));
    if (!file) failRead(errno, source);
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[64 * 1024];
    for (;;) {
        const std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get());
        if (count > byteLimit - bytes.size()) return std::nullopt;
        bytes.insert(bytes.end(), chunk, chunk + count);
        if (count < sizeof chunk) break;
    }
    if (std::ferror(file.get())) failRead(errno == 0 ? EIO : errno, source);
    return bytes;
}

}  // namespace quorbit
