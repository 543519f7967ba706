#pragma once

#include <filesystem>

namespace quorbit {

// The user's data folder that holds the program's folder and the earlier product's one:
// $XDG_DATA_HOME, by default ~/.local/share.
class XdgDataDirectory {
public:
    XdgDataDirectory() = delete;

    static std::filesystem::path userDirectory();
    static std::filesystem::path quorbitFolder();
    static std::filesystem::path legacyFolder();  // the earlier product's folder
};

}  // namespace quorbit
