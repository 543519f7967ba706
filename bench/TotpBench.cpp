#include "lib/RFC6238TotpGenerator.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <oath.h>

#include <array>
#include <chrono>
#include <ctime>
#include <string_view>

namespace {

using quorbit::bench::Comparison;

constexpr std::string_view secretText = "12345678901234567890";
constexpr int digits = 6;
constexpr std::int64_t period = 30;
constexpr std::time_t startTime = 1'700'000'000;

// Each code is for the next period, so neither side can reuse a previous result.
quorbit::TimePoint timeAt(std::time_t seconds) { return quorbit::TimePoint(std::chrono::seconds(seconds)); }

std::array<char, digits + 1> referenceCode(std::time_t now) {
    std::array<char, digits + 1> code{};
    oath_totp_generate2(secretText.data(), secretText.size(), now, period, 0, digits, 0, code.data());
    return code;
}

void totpQuorbit(benchmark::State& state) {
    const quorbit::RFC6238TotpGenerator generator;
    // Kept per account while unlocked, as the refresh loop keeps it.
    const quorbit::PreparedOtpKey key =
        generator.prepareKey(quorbit::SecretBytes::fromText(secretText), quorbit::OtpAlgorithm::sha1);
    oath_init();
    const bool agrees = generator.totpCode(key, digits, period, timeAt(startTime)) ==
                        std::string_view(referenceCode(startTime).data());
    oath_done();
    if (!agrees) {
        state.SkipWithError("code differs from the reference");
        return;
    }
    std::time_t now = startTime;
    for (auto _ : state) {
        auto code = generator.totpCode(key, digits, period, timeAt(now));
        benchmark::DoNotOptimize(code.data());
        now += period;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(totpQuorbit);

void totpLiboath(benchmark::State& state) {
    oath_init();
    std::time_t now = startTime;
    for (auto _ : state) {
        auto code = referenceCode(now);
        benchmark::DoNotOptimize(code.data());
        now += period;
    }
    oath_done();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(totpLiboath);

const std::array comparisons{
    Comparison{"totp-sha1-6-digits", "totpQuorbit", "totpLiboath", Comparison::Measure::throughput, 2.0},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
