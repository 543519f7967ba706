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

#include <QProcess>

#include "domain/QuorbitError.h"
#include "infrastructure/desktop/XdgAutostartLoginItem.h"

namespace quorbit {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// XDG_CONFIG_HOME points at a fresh folder for each test.
class XdgAutostartLoginItemTest : public testing::Test {
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

TEST_F(XdgAutostartLoginItemTest, EnableAndDisableRoundTrip) {
    XdgAutostartLoginItem service("/usr/bin/quorbit");
    EXPECT_FALSE(service.isEnabled());

    service.setEnabled(true);
    ASSERT_TRUE(service.isEnabled());
    EXPECT_EQ(XdgAutostartLoginItem::entryPath(), entry());
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

TEST_F(XdgAutostartLoginItemTest, FoldersItCreatesArePrivateWhateverTheUmask) {
    const mode_t previous = ::umask(0277);
    XdgAutostartLoginItem("/usr/bin/quorbit").setEnabled(true);
    ::umask(previous);

    struct stat status {};
    ASSERT_EQ(::stat(autostart().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700U);
    ASSERT_EQ(::stat(entry().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600U);
}

// Asking for the state it is already in changes nothing: the entry is not rewritten, and
// turning off what was never on does not fail.
TEST_F(XdgAutostartLoginItemTest, AskingForTheCurrentStateDoesNothing) {
    XdgAutostartLoginItem service("/usr/bin/quorbit");
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

struct ForeignEntryCase {
    const char* name;
    const char* entry;
    friend void PrintTo(const ForeignEntryCase& entryCase, std::ostream* out) { *out << entryCase.name; }
};

class ForeignEntry : public XdgAutostartLoginItemTest, public testing::WithParamInterface<ForeignEntryCase> {};

// An entry the desktop switched off, or one that starts another copy of the program (a build
// tree that has moved since), is not this program's launch at login: it counts as off and
// turning on replaces it.
TEST_P(ForeignEntry, CountsAsOffAndIsReplacedWhenTurnedOn) {
    fs::create_directories(autostart());
    std::ofstream(entry()) << GetParam().entry;
    XdgAutostartLoginItem service("/usr/bin/quorbit");
    EXPECT_FALSE(service.isEnabled());

    service.setEnabled(true);
    EXPECT_TRUE(service.isEnabled());
    EXPECT_NE(readFile(entry()).find("\nExec=/usr/bin/quorbit\n"), std::string::npos) << readFile(entry());
}

INSTANTIATE_TEST_SUITE_P(
    Entry, ForeignEntry,
    testing::Values(
        ForeignEntryCase{"hidden", "[Desktop Entry]\nType=Application\nExec=/usr/bin/quorbit\nHidden=true\n"},
        ForeignEntryCase{"disabled", "[Desktop Entry]\nExec=/usr/bin/quorbit\nX-GNOME-Autostart-enabled=false\n"},
        ForeignEntryCase{"moved_build", "[Desktop Entry]\nType=Application\nExec=/home/ann/old/build/src/quorbit\n"},
        ForeignEntryCase{"no_program", "[Desktop Entry]\nType=Application\n"}),
    [](const testing::TestParamInfo<ForeignEntryCase>& entryCase) { return std::string(entryCase.param.name); });

struct ExecCase {
    const char* executable;
    const char* execLine;
    friend void PrintTo(const ExecCase& execCase, std::ostream* out) { *out << execCase.executable; }
};

class ExecQuoting : public XdgAutostartLoginItemTest, public testing::WithParamInterface<ExecCase> {};

// The desktop entry's Exec quoting, with the string escaping of the value on top.
TEST_P(ExecQuoting, QuotesPathsWithReservedCharacters) {
    XdgAutostartLoginItem(GetParam().executable).setEnabled(true);

    EXPECT_NE(readFile(entry()).find(std::string("\nExec=") + GetParam().execLine + "\n"), std::string::npos)
        << readFile(entry());
}

INSTANTIATE_TEST_SUITE_P(Entry, ExecQuoting,
                         testing::Values(ExecCase{"/opt/quorbit/bin/quorbit", "/opt/quorbit/bin/quorbit"},
                                         ExecCase{"/home/ann/My Apps/quorbit", "\"/home/ann/My Apps/quorbit\""},
                                         ExecCase{"/srv/$dir/100%/quorbit", "\"/srv/\\\\$dir/100%%/quorbit\""},
                                         ExecCase{"/srv/back\\slash", "\"/srv/back\\\\\\\\slash\""}));

TEST_F(XdgAutostartLoginItemTest, AnUnwritableFolderIsAFileWriteError) {
    std::ofstream(configHome_ / "blocker") << "not a folder";
    setenv("XDG_CONFIG_HOME", (configHome_ / "blocker").c_str(), 1);
    XdgAutostartLoginItem service("/usr/bin/quorbit");

    try {
        service.setEnabled(true);
        ADD_FAILURE() << "enabling succeeded";
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::fileWriteFailed);
        EXPECT_NE(error.detail().find("autostart"), std::string::npos) << error.detail();
    }
    EXPECT_FALSE(service.isEnabled());
}

struct RunningCopyCase {
    const char* name;
    bool installed;             // run from a copy in <prefix>/bin instead of the build tree
    bool replacedWhileRunning;  // as a package upgrade or a rebuild does
    friend void PrintTo(const RunningCopyCase& copyCase, std::ostream* out) { *out << copyCase.name; }
};

class RunningProgram : public XdgAutostartLoginItemTest, public testing::WithParamInterface<RunningCopyCase> {};

// The entry starts the binary the program runs from: the installed one when it runs installed,
// the build tree's only when it runs from there.
TEST_P(RunningProgram, EntryStartsTheBinaryItRunsFrom) {
    const fs::path built = QUORBIT_AUTOSTART_ENTRY_WRITER;
    fs::path program = built;
    if (GetParam().installed) {
        program = configHome_ / "prefix" / "bin" / "quorbit";
        fs::create_directories(program.parent_path());
        fs::copy_file(built, program);
    }
    QProcess writer;
    writer.start(QString::fromStdString(program.string()), {});
    ASSERT_TRUE(writer.waitForStarted());
    if (GetParam().replacedWhileRunning) {
        fs::remove(program);
        fs::copy_file(built, program);
    }
    writer.write("\n");
    writer.closeWriteChannel();
    ASSERT_TRUE(writer.waitForFinished(60000));
    ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();

    EXPECT_NE(readFile(entry()).find("\nExec=" + program.string() + "\n"), std::string::npos) << readFile(entry());
}

INSTANTIATE_TEST_SUITE_P(Copies, RunningProgram,
                         testing::Values(RunningCopyCase{"build_tree", false, false},
                                         RunningCopyCase{"installed", true, false},
                                         RunningCopyCase{"installed_then_upgraded", true, true}),
                         [](const testing::TestParamInfo<RunningCopyCase>& copyCase) {
                             return std::string(copyCase.param.name);
                         });

}  // namespace
}  // namespace quorbit
