#include "domain/BackupPayload.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "support/PBKDF2Derivation.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace quorbit;
using quorbit::bench::Comparison;

constexpr int iterations = 120000;

BackupPayload thousandAccounts() {
    BackupPayload payload{TimePoint(std::chrono::seconds(1'700'000'000)), {}};
    for (int i = 0; i < 1000; ++i) {
        BackupAccount account;
        account.id = Uuid::random();
        account.issuer = "Issuer " + std::to_string(i);
        account.accountName = "user" + std::to_string(i) + "@example.com";
        account.secretBase32 = "JBSWY3DPEHPK3PXPJBSWY3DPEHPK3PXP";
        account.createdAt = account.updatedAt = payload.exportedAt;
        account.tags = {"Work", "Tag " + std::to_string(i % 10)};
        payload.accounts.push_back(account);
    }
    return payload;
}

// Sealing and opening each derive one key; everything else they do must stay small next to it.
void seal(benchmark::State& state) {
    const auto payload = thousandAccounts();
    const auto password = SecretBytes::fromText("correct horse battery staple");
    EncryptedBackupCryptoService service(iterations, 16);
    for (auto _ : state) {
        const auto sealed = service.encrypt(payload, password);
        benchmark::DoNotOptimize(sealed.data());
    }
}
BENCHMARK(seal)->Unit(benchmark::kMillisecond);

void open(benchmark::State& state) {
    const auto password = SecretBytes::fromText("correct horse battery staple");
    EncryptedBackupCryptoService service(iterations, 16);
    const auto sealed = service.encrypt(thousandAccounts(), password);
    for (auto _ : state) {
        const auto opened = service.decrypt(sealed, password);
        benchmark::DoNotOptimize(opened.accounts.data());
    }
}
BENCHMARK(open)->Unit(benchmark::kMillisecond);

void oneDerivation(benchmark::State& state) { quorbit::bench::PBKDF2Derivation::measure(state, iterations); }
BENCHMARK(oneDerivation)->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"backup seal of 1000 accounts / one PBKDF2", "seal", "oneDerivation", Comparison::Measure::time, 1.1},
    Comparison{"backup open of 1000 accounts / one PBKDF2", "open", "oneDerivation", Comparison::Measure::time, 1.1},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
