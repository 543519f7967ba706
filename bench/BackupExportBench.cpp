#include "application/SystemClock.h"
#include "application/settings/AppSettings.h"
#include "application/usecases/ExportBackup.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "lib/Base32Codec.h"
#include "support/PBKDF2Derivation.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <string>

namespace {

using namespace quorbit;
using quorbit::bench::Comparison;

const AppSettings defaults;
const int iterations = static_cast<int>(defaults.backupPBKDF2Iterations);
const int saltBytes = static_cast<int>(defaults.backupSaltBytes);
constexpr int accountCount = 1000;

class InMemoryAccounts final : public TokenRepository {
public:
    explicit InMemoryAccounts(std::vector<OtpAccount> accounts) : accounts_(std::move(accounts)) {}
    std::vector<OtpAccount> loadAccounts() override { return accounts_; }
    void saveAccounts(const std::vector<OtpAccount>& accounts) override { accounts_ = accounts; }

private:
    std::vector<OtpAccount> accounts_;
};

class InMemorySecrets final : public SecretStore {
public:
    void saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) override { secrets_[ref] = secret; }
    SecretBytes loadSecret(const OtpSecretRef& ref) override { return secrets_.at(ref); }
    void deleteSecret(const OtpSecretRef& ref) override { secrets_.erase(ref); }

private:
    std::map<OtpSecretRef, SecretBytes> secrets_;
};

// A vault of accountCount accounts with 20-byte secrets, a few in the trash.
struct Vault {
    std::vector<OtpAccount> accounts;
    InMemorySecrets secrets;

    Vault() {
        const TimePoint created(std::chrono::seconds(1'700'000'000));
        for (int i = 0; i < accountCount; ++i) {
            OtpAccount account;
            account.id = Uuid::random();
            account.issuer = "Issuer " + std::to_string(i);
            account.accountName = "user" + std::to_string(i) + "@example.com";
            account.secretRef = OtpSecretRef{Uuid::random().toString()};
            account.createdAt = account.updatedAt = created;
            account.tags = {"Work", "Tag " + std::to_string(i % 10)};
            if (i % 50 == 0) account.trashedAt = created;
            SecretBytes secret(std::size_t{20});
            for (std::size_t b = 0; b < secret.size(); ++b) secret.data()[b] = static_cast<std::uint8_t>(i + b);
            secrets.saveSecret(secret, account.secretRef);
            accounts.push_back(account);
        }
    }
};

// The full export derives one key; loading, encoding and sealing the accounts must stay small next to it.
void fullExport(benchmark::State& state) {
    Vault vault;
    InMemoryAccounts repository(vault.accounts);
    const Base32Codec codec;
    EncryptedBackupCryptoService crypto(iterations, saltBytes);
    const SystemClock clock;
    const auto password = SecretBytes::fromText("correct horse battery staple");
    const ExportBackup exportBackup(repository, vault.secrets, codec, crypto, clock);
    for (auto _ : state) {
        const auto bytes = exportBackup.execute(password);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(fullExport)->Unit(benchmark::kMillisecond);

void oneDerivation(benchmark::State& state) { quorbit::bench::PBKDF2Derivation::measure(state, iterations); }
BENCHMARK(oneDerivation)->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"full backup export of 1000 accounts / one PBKDF2", "fullExport", "oneDerivation",
               Comparison::Measure::time, 1.1},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
