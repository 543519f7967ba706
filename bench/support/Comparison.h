#pragma once

#include <string>

namespace quorbit::bench {

// One of our benchmarks raced against a reference benchmark of the same program run.
struct Comparison {
    enum class Measure {
        time,        // ratio = our time / reference time, good when <= target
        throughput,  // ratio = our items per second / reference items per second, good when >= target
    };

    std::string name;
    std::string ours;  // benchmark names as Google Benchmark reports them
    std::string reference;
    Measure measure;
    double target;
};

}  // namespace quorbit::bench
