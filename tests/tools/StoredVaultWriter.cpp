// quorbit-stored-vault N: writes N TOTP accounts with their secrets in the keyring, and settings
// that skip the introduction, into the data folders of the environment. For the smoke run and
// the start-up benchmark. The keyring stores one item in about 50 ms, so the accounts share 25
// secrets: the program still holds, computes and shows N codes.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <openssl/rand.h>

#include "application/settings/AppSettings.h"
#include "config/KeyringNames.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/IniSettingsStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"

using namespace quorbit;

namespace {

SecretBytes randomSecret() {
    std::vector<std::uint8_t> bytes(20);
    RAND_bytes(bytes.data(), static_cast<int>(bytes.size()));
    SecretBytes secret;
    secret.append(bytes);
    return secret;
}

constexpr std::size_t distinctSecrets = 25;

std::vector<OtpSecretRef> storeSecrets() {
    SecretServiceClient client;
    std::vector<OtpSecretRef> refs;
    for (std::size_t index = 0; index < distinctSecrets; ++index) {
        refs.push_back(OtpSecretRef{Uuid::random().toString()});
        client.save(std::string(KeyringNames::service), refs.back().rawValue, randomSecret(), false);
    }
    return refs;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const std::vector<OtpSecretRef> secretRefs = storeSecrets();
    std::vector<OtpAccount> accounts;
    const TimePoint created = std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
    for (int index = 0; index < count; ++index) {
        OtpAccount account;
        account.id = Uuid::random();
        account.issuer = "Service " + std::to_string(index);
        account.accountName = "user" + std::to_string(index) + "@example.com";
        account.secretRef = secretRefs[static_cast<std::size_t>(index) % secretRefs.size()];
        account.createdAt = created;
        account.updatedAt = created;
        accounts.push_back(std::move(account));
    }
    FileTokenRepository(FileTokenRepository::defaultFileURL(), FileTokenRepository::legacyFileURL())
        .saveAccounts(accounts);
    AppSettings settings;
    settings.hasCompletedOnboarding = true;
    settings.language = AppLanguage::english;
    IniSettingsStore(IniSettingsStore::defaultFileURL()).saveSettings(settings);
    std::cout << "stored " << count << " accounts\n";
    return 0;
}
