#include "infrastructure/files/FileTokenRepository.h"
#include "support/RatioReporter.h"
#include "support/ScratchFolder.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using quorbit::bench::Comparison;
using quorbit::bench::ScratchFolder;

constexpr int accountCount = 10'000;
constexpr double budgetSeconds = 0.020;

std::vector<quorbit::OtpAccount> accounts() {
    std::vector<quorbit::OtpAccount> list;
    list.reserve(accountCount);
    const quorbit::TimePoint created(std::chrono::seconds(1'700'000'000));
    for (int n = 0; n < accountCount; ++n) {
        quorbit::OtpAccount account;
        account.id = quorbit::Uuid::random();
        account.issuer = "Issuer " + std::to_string(n);
        account.accountName = "user" + std::to_string(n) + "@example.com";
        account.secretRef = quorbit::OtpSecretRef{account.id.toString()};
        account.createdAt = created;
        account.updatedAt = created + std::chrono::seconds(n);
        if (n % 3 == 0) account.lastUsedAt = account.updatedAt;
        account.tags = {"work", "tag" + std::to_string(n % 7)};
        list.push_back(std::move(account));
    }
    return list;
}

void saveAccounts(benchmark::State& state) {
    const ScratchFolder folder;
    quorbit::FileTokenRepository repository(folder.file("accounts.json"), folder.file("legacy.json"));
    const auto list = accounts();
    for (auto _ : state) repository.saveAccounts(list);
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(saveAccounts)->Unit(benchmark::kMillisecond);

void loadAccounts(benchmark::State& state) {
    const ScratchFolder folder;
    quorbit::FileTokenRepository repository(folder.file("accounts.json"), folder.file("legacy.json"));
    repository.saveAccounts(accounts());
    for (auto _ : state) {
        auto loaded = repository.loadAccounts();
        benchmark::DoNotOptimize(loaded.data());
    }
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(loadAccounts)->Unit(benchmark::kMillisecond);

// The reference of the load: the document library's plain parse of the same file, read beforehand.
void documentParse(benchmark::State& state) {
    const ScratchFolder folder;
    quorbit::FileTokenRepository repository(folder.file("accounts.json"), folder.file("legacy.json"));
    repository.saveAccounts(accounts());
    std::ostringstream text;
    text << std::ifstream(folder.file("accounts.json")).rdbuf();
    for (auto _ : state) {
        auto document = nlohmann::json::parse(text.view());
        benchmark::DoNotOptimize(document);
    }
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(documentParse)->Unit(benchmark::kMillisecond);

// The 20 ms target of a save or a load, as a reference that always takes exactly that long.
void budget20ms(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(budgetSeconds);
}
BENCHMARK(budget20ms)->UseManualTime()->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"save-10000-accounts", "saveAccounts", "budget20ms/manual_time", Comparison::Measure::time, 1.0},
    Comparison{"load-10000-accounts", "loadAccounts", "budget20ms/manual_time", Comparison::Measure::time, 1.0},
    Comparison{"load-10000-accounts / document parse", "loadAccounts", "documentParse", Comparison::Measure::time, 0.3},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
