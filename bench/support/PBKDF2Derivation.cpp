#include "support/PBKDF2Derivation.h"

#include <array>
#include <cstdint>

#include "lib/PBKDF2.h"

namespace quorbit::bench {

void PBKDF2Derivation::measure(benchmark::State& state, int iterations) {
    const std::array<std::uint8_t, 16> salt{};
    for (auto _ : state) {
        const auto key = PBKDF2::deriveKey("correct horse battery staple", salt, iterations, 32);
        benchmark::DoNotOptimize(key.data());
    }
}

}  // namespace quorbit::bench
