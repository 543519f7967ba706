#include <libsecret/secret.h>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "application/SystemClock.h"
#include "application/usecases/ImportOtpAuthText.h"
#include "config/KeyringNames.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/keyring/KeyringItemSchema.h"
#include "infrastructure/keyring/KeyringSecretStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "support/PrivateKeyringSession.h"
#include "support/RatioReporter.h"

// A URI list of 1000 accounts imported with the secrets going into a real gnome-keyring, raced
// against storing the same 1000 secrets one by one through libsecret: the Secret Service has
// no way to create many items at once, so its item writes are the floor of any import.
namespace {

using namespace quorbit;
using bench::Comparison;
using Clock = std::chrono::steady_clock;

constexpr int lineCount = 1000;

std::filesystem::path dataFolder() { return std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "Quorbit"; }

std::vector<SecretBytes> sampleSecrets() {
    std::vector<SecretBytes> secrets;
    for (int n = 0; n < lineCount; ++n) {
        SecretBytes secret(20);
        for (std::size_t byte = 0; byte < secret.size(); ++byte) {
            secret.data()[byte] = static_cast<std::uint8_t>(n + 7 * static_cast<int>(byte));
        }
        secrets.push_back(std::move(secret));
    }
    return secrets;
}

std::string uriLines(const std::vector<SecretBytes>& secrets) {
    const Base32Codec base32;
    std::string text;
    for (std::size_t n = 0; n < secrets.size(); ++n) {
        text += "otpauth://totp/Issuer%20" + std::to_string(n) + ":user" + std::to_string(n) +
                "%40example.com?secret=" + std::string(base32.encode(secrets[n].view()).asText()) + "\n";
    }
    return text;
}

// Every item of our service goes in one call, outside the measured time.
void clearKeyring(SecretService* service) {
    GHashTable* attributes =
        secret_attributes_build(keyringItemSchema(), "service", KeyringNames::service.data(), nullptr);
    secret_service_clear_sync(service, keyringItemSchema(), attributes, nullptr, nullptr);
    g_hash_table_unref(attributes);
}

struct Keyring {
    Keyring() : service(secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, nullptr)) {}
    ~Keyring() {
        if (service != nullptr) g_object_unref(service);
    }
    SecretService* service;
};

void importUriLines(benchmark::State& state) {
    const Keyring keyring;
    SystemClock clock;
    FileTokenRepository repository{dataFolder() / "accounts.json", dataFolder() / "legacy-accounts.json"};
    SecretServiceClient client;
    KeyringSecretStore secrets{std::string(KeyringNames::service), std::string(KeyringNames::legacyService), client,
                               false};
    OtpAuthURIParser parser;
    Base32Codec base32;
    const std::string text = uriLines(sampleSecrets());
    for (auto _ : state) {
        clearKeyring(keyring.service);
        repository.saveAccounts({});
        const auto begin = Clock::now();
        const std::size_t added = ImportOtpAuthText(repository, secrets, parser, base32, clock).execute(text).size();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - begin).count());
        if (added != lineCount) state.SkipWithError("the import did not add every line");
    }
    clearKeyring(keyring.service);
}
BENCHMARK(importUriLines)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The reference: the same secrets stored one by one, as binary values with our attributes.
void storeSecretsOneByOne(benchmark::State& state) {
    const Keyring keyring;
    const std::vector<SecretBytes> secrets = sampleSecrets();
    for (auto _ : state) {
        clearKeyring(keyring.service);
        const auto begin = Clock::now();
        for (const SecretBytes& secret : secrets) {
            GHashTable* attributes = secret_attributes_build(keyringItemSchema(), "service",
                                                             KeyringNames::service.data(), "account",
                                                             Uuid::random().toString().c_str(), nullptr);
            SecretValue* value = secret_value_new(reinterpret_cast<const gchar*>(secret.data()),
                                                  static_cast<gssize>(secret.size()), "application/octet-stream");
            if (!secret_service_store_sync(keyring.service, keyringItemSchema(), attributes, SECRET_COLLECTION_DEFAULT,
                                           KeyringNames::itemLabel.data(), value, nullptr, nullptr)) {
                state.SkipWithError("libsecret did not store a secret");
            }
            secret_value_unref(value);
            g_hash_table_unref(attributes);
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - begin).count());
    }
    clearKeyring(keyring.service);
}
BENCHMARK(storeSecretsOneByOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

const std::array comparisons{
    Comparison{"import-1000-lines-to-keyring / libsecret stores", "importUriLines/iterations:3/manual_time",
               "storeSecretsOneByOne/iterations:3/manual_time", Comparison::Measure::time, 1.2},
};

}  // namespace

int main(int argc, char** argv) {
    bench::PrivateKeyringSession::enter();
    return bench::RatioReporter::run(argc, argv, comparisons);
}
