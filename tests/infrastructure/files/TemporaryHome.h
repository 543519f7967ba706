#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quorbit::test {

// A fresh folder that stands in for the user's data and config folders (XDG_DATA_HOME,
// XDG_CONFIG_HOME) while it lives, so no test touches the real home. Removed afterwards.
class TemporaryHome {
public:
    TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;
    ~TemporaryHome();

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path dataHome() const { return root_ / "data"; }
    std::filesystem::path configHome() const { return root_ / "config"; }

private:
    std::filesystem::path root_;
    std::optional<std::string> previousData_;
    std::optional<std::string> previousConfig_;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);
// The permission bits of a file or folder, e.g. 0600.
unsigned modeOf(const std::filesystem::path& path);

}  // namespace quorbit::test
