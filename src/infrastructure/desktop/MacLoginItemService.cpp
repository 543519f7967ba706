#include "infrastructure/desktop/MacLoginItemService.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string_view>

#include "config/AppIdentity.h"
#include "config/DesktopNames.h"
#include "domain/QuorbitError.h"

namespace quorbit {

namespace {

[[noreturn]] void failWith(const std::filesystem::path& path, int error) {
    throw QuorbitError::fileWriteFailed(path.string() + ": " + std::strerror(error));
}

std::filesystem::path configHome() {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured != nullptr && configured[0] == '/') return configured;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "") / ".config";
}

// Folders we create are private to the user, like every folder Quorbit makes.
void makeFolders(const std::filesystem::path& folder) {
    if (folder.empty() || std::filesystem::is_directory(folder)) return;
    makeFolders(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) failWith(folder, errno);
}

void writeAll(int descriptor, std::string_view text, const std::filesystem::path& path) {
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) failWith(path, errno);
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

void syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) failWith(folder, errno);
    const int result = ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (result != 0) failWith(folder, error);
}

// Temp file in the same folder (mkstemp gives 0600), fsync, rename over the target, fsync
// the folder: a reader sees the old entry or the new one, never half of one.
void writeAtomically(const std::filesystem::path& path, std::string_view text) {
    makeFolders(path.parent_path());
    std::string temporary = path.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) failWith(path, errno);
    try {
        writeAll(descriptor, text, path);
        if (::fsync(descriptor) != 0) failWith(path, errno);
    } catch (...) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        throw;
    }
    ::close(descriptor);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        failWith(path, error);
    }
    syncFolder(path.parent_path());
}

// Quoting of the desktop entry's Exec key: reserved characters force double quotes, inside
// which ", `, $ and \ are escaped; the value itself escapes the backslash once more.
std::string execArgument(const std::string& path) {
    if (path.find_first_of(" \t\n\"'\\><~|&;$*?#()`%=") == std::string::npos) return path;
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '\\') quoted += "\\\\\\";
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

bool isHidden(const std::filesystem::path& path) {
    std::ifstream entry(path);
    for (std::string line; std::getline(entry, line);) {
        if (line == "Hidden=true") return true;
    }
    return false;
}

}  // namespace

MacLoginItemService::MacLoginItemService(std::filesystem::path executable) : executable_(std::move(executable)) {}

std::filesystem::path MacLoginItemService::entryPath() { return configHome() / "autostart" / DesktopNames::autostartEntry; }

bool MacLoginItemService::isEnabled() const {
    const auto path = entryPath();
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && !isHidden(path);
}

void MacLoginItemService::setEnabled(bool enabled) {
    if (enabled == isEnabled()) return;
    const auto path = entryPath();
    if (enabled) {
        writeAtomically(path, entryText());
    } else if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        failWith(path, errno);
    }
}

std::string MacLoginItemService::entryText() const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + std::string(AppIdentity::productName) + "\n"
           "Comment=Two-factor authentication codes\n"
           "Exec=" + execArgument(executable_.string()) + "\n"
           "Icon=" + std::string(DesktopNames::iconName) + "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::filesystem::path MacLoginItemService::runningExecutable() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path("quorbit") : path;
}

}  // namespace quorbit
