#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "domain/QuorbitError.h"
#include "infrastructure/desktop/MacLoginItemService.h"

namespace quorbit {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// XDG_CONFIG_HOME points at a fresh folder for each test.
class MacLoginItemServiceTest : public testing::Test {
protected:
    void SetUp() override {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME")) previous_ = previous;
        configHome_ = fs::temp_directory_path() / ("quorbit-autostart-" + std::to_string(getpid()));
        fs::create_directories(configHome_);
        setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
    }
    void TearDown() override {
        if (previous_) setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(configHome_);
    }

    fs::path autostart() const { return configHome_ / "autostart"; }
    fs::path entry() const { return autostart() / "quorbit.desktop"; }

    fs::path configHome_;

private:
    std::optional<std::string> previous_;
};

TEST_F(MacLoginItemServiceTest, EnableAndDisableRoundTrip) {
    MacLoginItemService service("/usr/bin/quorbit");
    EXPECT_FALSE(service.isEnabled());

    service.setEnabled(true);
    ASSERT_TRUE(service.isEnabled());
    EXPECT_EQ(MacLoginItemService::entryPath(), entry());
    EXPECT_NE(readFile(entry()).find("\nExec=/usr/bin/quorbit\n"), std::string::npos);
    struct stat status {};
    ASSERT_EQ(::stat(entry().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600U);
    ASSERT_EQ(::stat(autostart().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700U) << "a folder we create is private";
    EXPECT_EQ(std::distance(fs::directory_iterator(autostart()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";

    service.setEnabled(false);
    EXPECT_FALSE(service.isEnabled());
    EXPECT_FALSE(fs::exists(entry()));
}

TEST_F(MacLoginItemServiceTest, FoldersItCreatesArePrivateWhateverTheUmask) {
    const mode_t previous = ::umask(0277);
    MacLoginItemService("/usr/bin/quorbit").setEnabled(true);
    ::umask(previous);

    struct stat status {};
    ASSERT_EQ(::stat(autostart().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700U);
    ASSERT_EQ(::stat(entry().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600U);
}

// Asking for the state it is already in changes nothing: the entry is not rewritten, and
// turning off what was never on does not fail.
TEST_F(MacLoginItemServiceTest, AskingForTheCurrentStateDoesNothing) {
    MacLoginItemService service("/usr/bin/quorbit");
    EXPECT_NO_THROW(service.setEnabled(false));
    EXPECT_FALSE(fs::exists(autostart()));

    service.setEnabled(true);
    struct stat before {};
    ASSERT_EQ(::stat(entry().c_str(), &before), 0);
    service.setEnabled(true);
    struct stat after {};
    ASSERT_EQ(::stat(entry().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino) << "an atomic rewrite would replace the file";
}

TEST_F(MacLoginItemServiceTest, AHiddenEntryCountsAsOffAndIsReplacedWhenTurnedOn) {
    fs::create_directories(autostart());
    std::ofstream(entry()) << "[Desktop Entry]\nType=Application\nExec=quorbit\nHidden=true\n";
    MacLoginItemService service("/usr/bin/quorbit");
    EXPECT_FALSE(service.isEnabled());

    service.setEnabled(true);
    EXPECT_TRUE(service.isEnabled());
}

struct ExecCase {
    const char* executable;
    const char* execLine;
    friend void PrintTo(const ExecCase& execCase, std::ostream* out) { *out << execCase.executable; }
};

class ExecQuoting : public MacLoginItemServiceTest, public testing::WithParamInterface<ExecCase> {};

// The desktop entry's Exec quoting, with the string escaping of the value on top.
TEST_P(ExecQuoting, QuotesPathsWithReservedCharacters) {
    MacLoginItemService(GetParam().executable).setEnabled(true);

    EXPECT_NE(readFile(entry()).find(std::string("\nExec=") + GetParam().execLine + "\n"), std::string::npos)
        << readFile(entry());
}

INSTANTIATE_TEST_SUITE_P(Entry, ExecQuoting,
                         testing::Values(ExecCase{"/opt/quorbit/bin/quorbit", "/opt/quorbit/bin/quorbit"},
                                         ExecCase{"/home/ann/My Apps/quorbit", "\"/home/ann/My Apps/quorbit\""},
                                         ExecCase{"/srv/$dir/100%/quorbit", "\"/srv/\\\\$dir/100%%/quorbit\""},
                                         ExecCase{"/srv/back\\slash", "\"/srv/back\\\\\\\\slash\""}));

TEST_F(MacLoginItemServiceTest, AnUnwritableFolderIsAFileWriteError) {
    std::ofstream(configHome_ / "blocker") << "not a folder";
    setenv("XDG_CONFIG_HOME", (configHome_ / "blocker").c_str(), 1);
    MacLoginItemService service("/usr/bin/quorbit");

    try {
        service.setEnabled(true);
        ADD_FAILURE() << "enabling succeeded";
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::fileWriteFailed);
        EXPECT_NE(error.detail().find("autostart"), std::string::npos) << error.detail();
    }
    EXPECT_FALSE(service.isEnabled());
}

}  // namespace
}  // namespace quorbit
