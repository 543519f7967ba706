#include "application/SystemClock.h"
#include "application/services/SecurityAuditService.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace {

using quorbit::bench::Comparison;

constexpr int accountCount = 1'000;
constexpr double budgetSeconds = 0.020;

// Secrets already in memory, so the audit's own work is what is measured.
class InMemorySecretStore final : public quorbit::SecretStore {
public:
    void saveSecret(const quorbit::SecretBytes& secret, const quorbit::OtpSecretRef& ref) override {
        secrets_[ref] = secret;
    }
    quorbit::SecretBytes loadSecret(const quorbit::OtpSecretRef& ref) override { return secrets_.at(ref); }
    void deleteSecret(const quorbit::OtpSecretRef& ref) override { secrets_.erase(ref); }

private:
    std::map<quorbit::OtpSecretRef, quorbit::SecretBytes> secrets_;
};

// A mix that makes every rule fire somewhere.
std::vector<quorbit::OtpAccount> accounts(quorbit::SecretStore& store) {
    std::vector<quorbit::OtpAccount> list;
    const auto now = std::chrono::system_clock::now();
    for (int n = 0; n < accountCount; ++n) {
        quorbit::OtpAccount account;
        account.id = quorbit::Uuid::random();
        account.issuer = n % 50 == 0 ? "" : "Issuer " + std::to_string(n % 900);
        account.accountName = "user" + std::to_string(n % 900) + "@example.com";
        account.secretRef = quorbit::OtpSecretRef{account.id.toString()};
        account.type = n % 10 == 0 ? quorbit::OtpType::hotp : quorbit::OtpType::totp;
        account.period = n % 25 == 0 ? 60 : 30;
        account.createdAt = now - std::chrono::hours(24 * 400);
        account.updatedAt = account.createdAt;
        if (n % 3 == 0) account.lastUsedAt = now - std::chrono::hours(24 * (n % 400));
        if (n % 40 == 0) account.trashedAt = now;
        if (n % 7 != 0) account.tags = {"work"};
        const std::string secret = "secret-" + std::to_string(n % 950) + "-padding";
        store.saveSecret(quorbit::SecretBytes::fromText(n % 100 == 0 ? "short" : secret), account.secretRef);
        list.push_back(std::move(account));
    }
    return list;
}

void audit1000Accounts(benchmark::State& state) {
    InMemorySecretStore store;
    const auto list = accounts(store);
    const quorbit::SystemClock clock;
    const quorbit::SecurityAuditService service(clock, 180);
    const quorbit::SecretFingerprintProvider provider(store);
    for (auto _ : state) {
        auto findings = service.audit(list, provider, {});
        benchmark::DoNotOptimize(findings.data());
    }
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(audit1000Accounts)->Unit(benchmark::kMillisecond);

// The 20 ms target of one audit, as a reference that always takes exactly that long.
void budget20ms(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(budgetSeconds);
}
BENCHMARK(budget20ms)->UseManualTime()->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"audit-1000-accounts", "audit1000Accounts", "budget20ms/manual_time", Comparison::Measure::time, 1.0},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
