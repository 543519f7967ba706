#include "infrastructure/files/AtomicFileWriter.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "TemporaryHome.h"

namespace quorbit {
namespace {

using test::modeOf;
using test::readFile;

class AtomicFileWriterTest : public testing::Test {
protected:
    std::size_t entriesIn(const std::filesystem::path& folder) const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    test::TemporaryHome home;
};

// Restores the file size limit that makes a write fail half way, also for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(AtomicFileWriterTest, CreatesMissingFoldersOwnerOnlyAndKeepsExistingOnes) {
    std::filesystem::create_directory(home.root() / "kept");
    ::chmod((home.root() / "kept").c_str(), 0755);
    const auto folder = home.root() / "kept" / "a" / "b";
    const mode_t previousMask = ::umask(022);
    AtomicFileWriter::createFolder(folder);
    AtomicFileWriter::createFolder(folder);
    ::umask(previousMask);

    EXPECT_EQ(modeOf(home.root() / "kept" / "a"), 0700u);
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(home.root() / "kept"), 0755u);
}

TEST_F(AtomicFileWriterTest, FolderOverAFileFails) {
    test::writeFile(home.root() / "plain", "x");
    EXPECT_THROW(AtomicFileWriter::createFolder(home.root() / "plain" / "sub"), std::system_error);
}

TEST_F(AtomicFileWriterTest, ReplacesTheFileWithOwnerOnlyModeAndLeavesNoTemporaryFile) {
    const auto target = home.root() / "store.json";
    test::writeFile(target, "old content that is longer");
    ::chmod(target.c_str(), 0644);

    AtomicFileWriter::write(target, std::string_view("new"));

    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(entriesIn(home.root()), 1u);
}

// A writer killed mid-save leaves its temporary file; the next save of that file removes it, but
// not one that may still be in use, nor files of other names.
TEST_F(AtomicFileWriterTest, RemovesStaleTemporaryFilesOfTheTargetWhenWriting) {
    const auto target = home.root() / "accounts.json";
    const auto stale = home.root() / ".accounts.json.tmp-Ab12Cd";
    const auto recent = home.root() / ".accounts.json.tmp-Xy34Zw";
    const std::vector<std::filesystem::path> kept{recent, home.root() / ".events.json.tmp-Ab12Cd",
                                                  home.root() / ".accounts.json.tmp-notours",
                                                  home.root() / "accounts.json.tmp-Ab12Cd"};
    for (const auto& path : kept) test::writeFile(path, "partial");
    test::writeFile(stale, "partial");
    const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& path : kept) {
        if (path != recent) std::filesystem::last_write_time(path, hourAgo);
    }
    std::filesystem::last_write_time(stale, hourAgo);

    AtomicFileWriter::write(target, std::string_view("new"));

    EXPECT_FALSE(std::filesystem::exists(stale));
    for (const auto& path : kept) EXPECT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(readFile(target), "new");
}

TEST_F(AtomicFileWriterTest, AWriteCutShortLeavesTheOldFileCompleteAndNoTemporaryFile) {
    const auto target = home.root() / "store.json";
    test::writeFile(target, "old");
    const std::string large(64 * 1024, 'n');
    {
        const FileSizeLimit limit(1024);
        EXPECT_THROW(AtomicFileWriter::write(target, large), std::system_error);
    }
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(entriesIn(home.root()), 1u);
}

TEST_F(AtomicFileWriterTest, FailuresNameTheFileButNotItsContent) {
    const auto target = home.root() / "missing-folder" / "kit.json";
    try {
        AtomicFileWriter::write(target, std::string_view("JBSWY3DPEHPK3PXP"));
        FAIL() << "expected a failure";
    } catch (const std::system_error& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("kit.json"), std::string::npos) << text;
        EXPECT_EQ(text.find("JBSWY3DP"), std::string::npos) << text;
    }
}

TEST_F(AtomicFileWriterTest, RenamingOntoAFolderFailsAndRemovesTheTemporaryFile) {
    std::filesystem::create_directory(home.root() / "store.json");
    EXPECT_THROW(AtomicFileWriter::write(home.root() / "store.json", std::string_view("x")), std::system_error);
    EXPECT_EQ(entriesIn(home.root()), 1u);
}

}  // namespace
}  // namespace quorbit
