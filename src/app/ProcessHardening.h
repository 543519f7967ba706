#pragma once

namespace quorbit {

// Keeps the secrets this process reads inside it: no other process of the user may attach to
// it or read its memory, and a crash writes no core file. Applied first thing at start, before
// any secret is read.
struct ProcessHardening {
    // False when the kernel refused either step.
    static bool apply();
};

}  // namespace quorbit
