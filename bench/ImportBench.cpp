#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "application/SystemClock.h"
#include "application/usecases/ImportOtpAuthText.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "support/FakeSecretStore.h"
#include "support/RatioReporter.h"
#include "support/ScratchFolder.h"

// A URI list imported into an empty vault with the tests' in-memory secret store, so what is
// measured is the import itself: raced against one save of the list it makes, and its last
// thousand lines against its first thousand (an import that grows with the list it checks
// against would cost more per line at the end).
namespace {

using namespace quorbit;
using bench::Comparison;
using bench::ScratchFolder;
using Clock = std::chrono::steady_clock;

constexpr int lineCount = 10'000;
constexpr int sliceLines = 1'000;

std::string uriLines(int count) {
    const Base32Codec base32;
    std::string text;
    for (int n = 0; n < count; ++n) {
        SecretBytes secret(20);
        for (std::size_t byte = 0; byte < secret.size(); ++byte) {
            secret.data()[byte] = static_cast<std::uint8_t>((n >> (8 * (byte % 3))) + static_cast<int>(byte));
        }
        text += "otpauth://totp/Issuer%20" + std::to_string(n) + ":user" + std::to_string(n) +
                "%40example.com?secret=" + std::string(base32.encode(secret.view()).asText()) + "&issuer=Issuer%20" +
                std::to_string(n) + "\n";
    }
    return text;
}

// An empty vault on disk and in memory, made again before each import.
struct Vault {
    ScratchFolder folder;
    FileTokenRepository repository{folder.file("accounts.json"), folder.file("legacy.json")};
    std::unique_ptr<test::FakeSecretStore> secrets = std::make_unique<test::FakeSecretStore>();
    SystemClock clock;
    OtpAuthURIParser parser;
    Base32Codec base32;

    void empty() {
        repository.saveAccounts({});
        secrets = std::make_unique<test::FakeSecretStore>();
    }

    std::vector<OtpAccount> import(const std::string& text) {
        return ImportOtpAuthText(repository, *secrets, parser, base32, clock).execute(text);
    }

    double secondsToImport(const std::string& text) {
        empty();
        const auto begin = Clock::now();
        benchmark::DoNotOptimize(import(text).size());
        return std::chrono::duration<double>(Clock::now() - begin).count();
    }
};

void importLines(benchmark::State& state) {
    Vault vault;
    const std::string text = uriLines(lineCount);
    for (auto _ : state) state.SetIterationTime(vault.secondsToImport(text));
    state.SetItemsProcessed(state.iterations() * lineCount);
}
BENCHMARK(importLines)->UseManualTime()->Unit(benchmark::kMillisecond);

// The reference: one save of the list the import makes.
void saveImportedList(benchmark::State& state) {
    Vault vault;
    vault.empty();
    const std::vector<OtpAccount> accounts = vault.import(uriLines(lineCount));
    for (auto _ : state) vault.repository.saveAccounts(accounts);
}
BENCHMARK(saveImportedList)->Unit(benchmark::kMillisecond);

void importFirstThousand(benchmark::State& state) {
    Vault vault;
    const std::string text = uriLines(sliceLines);
    for (auto _ : state) state.SetIterationTime(vault.secondsToImport(text));
}
BENCHMARK(importFirstThousand)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the last thousand lines add to an import of all of them.
void importLastThousand(benchmark::State& state) {
    Vault vault;
    const std::string all = uriLines(lineCount);
    const std::string allButLast = uriLines(lineCount - sliceLines);
    for (auto _ : state) {
        const double before = vault.secondsToImport(allButLast);
        state.SetIterationTime(std::max(vault.secondsToImport(all) - before, 0.0));
    }
}
BENCHMARK(importLastThousand)->UseManualTime()->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"import-10000-lines / one save of the list", "importLines/manual_time", "saveImportedList",
               Comparison::Measure::time, 3.0},
    Comparison{"import-last-1000-lines / first-1000-lines", "importLastThousand/manual_time",
               "importFirstThousand/manual_time", Comparison::Measure::time, 1.2},
};

}  // namespace

int main(int argc, char** argv) { return bench::RatioReporter::run(argc, argv, comparisons); }
