#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "support/PBKDF2Derivation.h"
#include "support/PeakMemory.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <stdexcept>
#include <string>

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
        account.secretBase32 = SecretBytes::fromText("JBSWY3DPEHPK3PXPJBSWY3DPEHPK3PXP");
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

constexpr std::size_t nestingFileBytes = EncryptedBackupCryptoService::maxFileBytes;

// A backup file that is nothing but opening brackets, as large as a backup may be.
std::filesystem::path writeNestingFile() {
    const auto path = std::filesystem::temp_directory_path() / ("quorbit-bench-nesting-" + std::to_string(::getpid()));
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) throw std::runtime_error("cannot write the nesting file");
    const std::string block(1024 * 1024, '[');
    for (std::size_t written = 0; written < nestingFileBytes; written += block.size()) {
        std::fwrite(block.data(), 1, block.size(), out);
    }
    std::fclose(out);
    return path;
}

// Reading and refusing the file, as the import does; what matters is the memory it takes.
void rejectNestingFile(const std::filesystem::path& path) {
    AtomicDocumentFiles files;
    const auto bytes = files.readWhole(path, nestingFileBytes);
    EncryptedBackupCryptoService service(iterations, 16);
    try {
        service.decrypt(*bytes, SecretBytes::fromText("correct horse battery staple"));
    } catch (const QuorbitError&) {
        return;
    }
    throw std::runtime_error("the nesting file was accepted");
}

// Measured before the timed benchmarks, while the process is still small.
void reportNestingFileMemory() {
    const auto path = writeNestingFile();
    const auto started = std::chrono::steady_clock::now();
    const auto growth = quorbit::bench::PeakMemory::growthDuring([&] { rejectNestingFile(path); });
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - started;
    std::filesystem::remove(path);
    std::cout << "64 MiB nesting file refused in " << std::fixed << std::setprecision(1) << elapsed.count() << " ms\n";
    std::cout << "ratio peak memory refusing a 64 MiB nesting file / its size: ";
    if (growth) {
        std::cout << std::setprecision(3) << static_cast<double>(*growth) / static_cast<double>(nestingFileBytes);
    } else {
        std::cout << "not measured";
    }
    std::cout << " (target <= 3.0)" << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    reportNestingFileMemory();
    return quorbit::bench::RatioReporter::run(argc, argv, comparisons);
}
