#include "infrastructure/files/JsonStoreFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <QLoggingCategory>

#include "config/LogCategoryNames.h"
#include "domain/Iso8601Date.h"
#include "domain/QuorbitError.h"
#include "format/JsonDocumentPrinter.h"
#include "format/JsonError.h"
#include "format/JsonSyntaxError.h"
#include "infrastructure/files/AtomicFileWriter.h"

namespace quorbit {

namespace {

Q_LOGGING_CATEGORY(storageLog, LogCategoryNames::storage)

// "2026-12-10T10:15:00Z" becomes "20261210T101500Z", a stamp that is safe in file names.
std::string compactStamp(TimePoint now) {
    std::string stamp = Iso8601Date::format(now);
    std::erase_if(stamp, [](char c) { return c == '-' || c == ':'; });
    return stamp;
}

std::string encoded(const nlohmann::json& value) { return JsonDocumentPrinter::print(value, JsonStoreFile::indent); }

}  // namespace

JsonStoreFile::JsonStoreFile(std::filesystem::path path, DamagedFileReporting* reporting)
    : path_(std::move(path)), reporting_(reporting) {}

std::filesystem::path JsonStoreFile::setAsideName(const std::filesystem::path& file, TimePoint now) {
    const std::string base = file.string() + ".corrupt-" + compactStamp(now);
    std::filesystem::path aside = base;
    for (int n = 2; std::filesystem::exists(aside); ++n) aside = base + "-" + std::to_string(n);
    return aside;
}

bool JsonStoreFile::hasSetAsideCopies() const {
    const std::string prefix = path_.filename().string() + ".corrupt-";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(path_.parent_path(), error)) {
        if (entry.path().filename().string().starts_with(prefix)) return true;
    }
    return false;
}

bool JsonStoreFile::readText() const {
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0 && errno == ENOENT) return false;
    const auto fail = [&](int error) {
        throw std::system_error(error, std::generic_category(), "Could not read \"" + path_.filename().string() + "\"");
    };
    if (descriptor < 0) fail(errno);
    text_.clear();
    if (struct stat info{}; ::fstat(descriptor, &info) == 0 && info.st_size > 0) {
        text_.reserve(static_cast<std::size_t>(info.st_size) + JsonReader::padding);  // read in place
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            const int error = errno;
            ::close(descriptor);
            fail(error);
        }
        if (count == 0) break;
        text_.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(descriptor);
    return true;
}

void JsonStoreFile::writeProtected(const nlohmann::json& value) const {
    std::string text;
    try {
        text = encoded(value);
    } catch (const std::exception& error) {
        throw persistenceFailure(error);
    }
    writeProtectedText(text);
}

void JsonStoreFile::writeProtectedText(std::string_view bytes) const {
    try {
        AtomicFileWriter::createFolder(path_.parent_path());
        try {
            AtomicFileWriter::write(path_, bytes);
        } catch (const std::system_error&) {
            // The plain retry of the protected write; this second error is the one reported.
            AtomicFileWriter::write(path_, bytes);
        }
        knownSound_ = true;
    } catch (const std::exception& error) {
        throw persistenceFailure(error);
    }
}

bool JsonStoreFile::writeBestEffort(const nlohmann::json& value) const noexcept {
    try {
        AtomicFileWriter::createFolder(path_.parent_path());
        AtomicFileWriter::write(path_, encoded(value));
        return true;
    } catch (const std::exception& error) {
        qCWarning(storageLog, "%s", describe(error).c_str());
        return false;
    }
}

bool JsonStoreFile::moveAside(TimePoint now) const noexcept {
    try {
        const std::filesystem::path aside = setAsideName(path_, now);
        std::filesystem::rename(path_, aside);
        qCWarning(storageLog, "\"%s\" could not be read and was moved aside as \"%s\"", path_.filename().c_str(),
                  aside.filename().c_str());
        if (reporting_ != nullptr) reporting_->fileSetAside(path_, aside);
        return true;
    } catch (const std::exception& error) {
        qCWarning(storageLog, "\"%s\" could not be read and not be moved aside: %s", path_.filename().c_str(),
                  error.what());
        return false;
    }
}

QuorbitError JsonStoreFile::persistenceFailure(const std::exception& error) const {
    const auto* systemError = dynamic_cast<const std::system_error*>(&error);
    return QuorbitError::persistenceFailure(describe(error), systemError ? systemError->code() : std::error_code());
}

std::string JsonStoreFile::describe(const std::exception& error) const {
    // A parse error's own text is not shown, so that no reader's message can quote the file.
    if (const auto* parseError = dynamic_cast<const JsonSyntaxError*>(&error)) {
        const std::string where = parseError->byte() == 0 ? "" : " (byte " + std::to_string(parseError->byte()) + ")";
        return "The data in \"" + path_.filename().string() +
               "\" couldn't be read because it isn't in the correct format" + where + ".";
    }
    if (dynamic_cast<const JsonError*>(&error) != nullptr) {
        return "\"" + path_.filename().string() + "\": " + error.what();
    }
    return error.what();
}

}  // namespace quorbit
