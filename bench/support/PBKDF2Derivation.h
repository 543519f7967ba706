#pragma once

#include <benchmark/benchmark.h>

namespace quorbit::bench {

// The yardstick of the backup benchmarks: one key derived with our PBKDF2 at their iteration count.
class PBKDF2Derivation {
public:
    static void measure(benchmark::State& state, int iterations);
};

}  // namespace quorbit::bench
