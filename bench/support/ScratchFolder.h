#pragma once

#include <filesystem>

namespace quorbit::bench {

// A fresh folder under the temporary directory, removed when the benchmark ends.
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    std::filesystem::path file(const char* name) const { return path_ / "Quorbit" / name; }

private:
    std::filesystem::path path_;
};

}  // namespace quorbit::bench
