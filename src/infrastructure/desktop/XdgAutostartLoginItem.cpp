#include "infrastructure/desktop/XdgAutostartLoginItem.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

#include "config/AppIdentity.h"
#include "config/DesktopNames.h"
#include "domain/QuorbitError.h"
#include "infrastructure/files/AtomicFileWriter.h"

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

void writeEntry(const std::filesystem::path& path, std::string_view text) {
    try {
        AtomicFileWriter::createFolder(path.parent_path());
        AtomicFileWriter::write(path, text);
    } catch (const std::system_error& error) {
        throw QuorbitError::fileWriteFailed(path.string() + ": " + error.code().message());
    }
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

// The entry starts this program when it is not switched off (hidden, or disabled the way GNOME's
// settings do it) and its Exec line is the one we write: an entry of another copy, such as a
// build tree that has since moved, does not count.
bool startsProgram(const std::filesystem::path& path, const std::string& execLine) {
    std::ifstream entry(path);
    bool startsIt = false;
    for (std::string line; std::getline(entry, line);) {
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return false;
        if (line.starts_with("Exec=")) startsIt = startsIt || line == execLine;
    }
    return startsIt;
}

}  // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(std::filesystem::path executable) : executable_(std::move(executable)) {}

std::filesystem::path XdgAutostartLoginItem::entryPath() {
    return configHome() / "autostart" / DesktopNames::autostartEntry;
}

bool XdgAutostartLoginItem::isEnabled() const {
    const auto path = entryPath();
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && startsProgram(path, execLine());
}

void XdgAutostartLoginItem::setEnabled(bool enabled) {
    if (enabled == isEnabled()) return;
    const auto path = entryPath();
    if (enabled) {
        writeEntry(path, entryText());
    } else if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        failWith(path, errno);
    }
}

std::string XdgAutostartLoginItem::entryText() const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           std::string(AppIdentity::productName) +
           "\n"
           "Comment=Two-factor authentication codes\n" +
           execLine() +
           "\n"
           "Icon=" +
           std::string(DesktopNames::iconName) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string XdgAutostartLoginItem::execLine() const { return "Exec=" + execArgument(executable_.string()); }

// The kernel names the binary the process runs: the installed one (<prefix>/bin/quorbit), or the
// build tree's when started from there. A binary replaced while it runs (a package upgrade, a
// rebuild) is reported with a " (deleted)" mark; its path names the new binary.
std::filesystem::path XdgAutostartLoginItem::runningExecutable() {
    std::error_code error;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error) return "quorbit";
    constexpr std::string_view deletedMark = " (deleted)";
    if (path.ends_with(deletedMark)) path.resize(path.size() - deletedMark.size());
    return path;
}

}  // namespace quorbit
