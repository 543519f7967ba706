#pragma once

#include <filesystem>

namespace quorbit {

// Told when a store found its file unreadable and set it aside (`name.corrupt-<time>`) before
// writing a fresh one, so that the user learns which file went where. Called on the thread
// that used the store.
class DamagedFileReporting {
public:
    virtual ~DamagedFileReporting() = default;
    virtual void fileSetAside(const std::filesystem::path& file, const std::filesystem::path& aside) = 0;
};

}  // namespace quorbit
