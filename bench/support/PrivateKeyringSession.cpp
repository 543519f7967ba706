#include "support/PrivateKeyringSession.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace quorbit::bench {
namespace {

constexpr const char* insideMarker = "QUORBIT_BENCH_PRIVATE_KEYRING";

std::filesystem::path makeSandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorbit-bench-session-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create the session folder");
    const std::filesystem::path sandbox(pattern);
    for (const char* folder : {"home", "data", "config", "cache", "runtime"}) {
        std::filesystem::create_directory(sandbox / folder);
    }
    std::filesystem::permissions(sandbox / "runtime", std::filesystem::perms::owner_all);
    return sandbox;
}

// The same arguments, handed to this program again under dbus-run-session.
[[noreturn]] void runInside(const std::filesystem::path& sandbox) {
    ::setenv(insideMarker, "1", 1);
    ::setenv("HOME", (sandbox / "home").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (sandbox / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (sandbox / "config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (sandbox / "cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (sandbox / "runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::ifstream commandLine("/proc/self/cmdline", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(commandLine), std::istreambuf_iterator<char>()};
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> arguments{"dbus-run-session", "--", self};
    for (std::size_t start = text.find('\0') + 1; start < text.size();) {
        const std::size_t end = text.find('\0', start);
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    std::perror("dbus-run-session");
    std::_Exit(127);
}

bool secretServiceOnBus() {
    return std::system("dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
                       "org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null "
                       "| grep -q true") == 0;
}

void startKeyring() {
    FILE* unlock = ::popen("gnome-keyring-daemon --unlock --components=secrets >/dev/null", "w");
    if (unlock == nullptr) throw std::runtime_error("cannot start gnome-keyring-daemon");
    std::fputs("quorbit-bench", unlock);
    ::pclose(unlock);
    if (std::system("gnome-keyring-daemon --start --components=secrets >/dev/null") != 0) {
        throw std::runtime_error("gnome-keyring-daemon did not start");
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (secretServiceOnBus()) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    throw std::runtime_error("the keyring never appeared on the session bus");
}

}  // namespace

void PrivateKeyringSession::enter() {
    if (std::getenv(insideMarker) != nullptr) {
        startKeyring();
        return;
    }
    const std::filesystem::path sandbox = makeSandbox();
    std::cout.flush();
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("cannot fork the private session");
    if (child == 0) runInside(sandbox);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::error_code ignored;
    std::filesystem::remove_all(sandbox, ignored);
    std::exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}

}  // namespace quorbit::bench
