#include "lib/PBKDF2.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <array>
#include <string_view>

namespace {

using quorbit::bench::Comparison;

// The backup key: the default iteration count and a 256-bit key.
constexpr int iterations = 120000;
constexpr int keyByteCount = 32;
constexpr std::string_view password = "correct horse battery staple";
constexpr std::array<std::uint8_t, 16> salt{0x3a, 0x91, 0x07, 0xc4, 0x5e, 0x22, 0xb8, 0x6f,
                                            0x10, 0xd3, 0x4a, 0x97, 0xe1, 0x2c, 0x58, 0x0b};

quorbit::SecretBytes referenceKey() {
    quorbit::SecretBytes key(std::size_t{keyByteCount});
    PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt.data(), static_cast<int>(salt.size()),
                      iterations, EVP_sha256(), keyByteCount, key.data());
    return key;
}

void pbkdf2Quorbit(benchmark::State& state) {
    if (quorbit::PBKDF2::deriveKey(password, salt, iterations, keyByteCount) != referenceKey()) {
        state.SkipWithError("derived key differs from the reference");
        return;
    }
    for (auto _ : state) {
        const auto key = quorbit::PBKDF2::deriveKey(password, salt, iterations, keyByteCount);
        benchmark::DoNotOptimize(key.data());
    }
}
BENCHMARK(pbkdf2Quorbit)->Unit(benchmark::kMillisecond);

void pbkdf2OpenSsl(benchmark::State& state) {
    for (auto _ : state) {
        const auto key = referenceKey();
        benchmark::DoNotOptimize(key.data());
    }
}
BENCHMARK(pbkdf2OpenSsl)->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"pbkdf2-hmac-sha256", "pbkdf2Quorbit", "pbkdf2OpenSsl", Comparison::Measure::time, 1.0},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
