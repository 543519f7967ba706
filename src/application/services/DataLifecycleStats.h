#pragma once

namespace quorbit {

// The sizes of the four lifecycle categories.
struct DataLifecycleStats {
    int trashCount = 0;
    int untaggedCount = 0;
    int longUnusedCount = 0;
    int hotpCount = 0;

    bool operator==(const DataLifecycleStats&) const = default;
};

}  // namespace quorbit
