#include "infrastructure/keyring/KeyringSecretStore.h"

#include <optional>
#include <utility>

#include "application/ports/KeyringClientError.h"
#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

QuorbitError mapped(const KeyringClientError& error) {
    if (error.errorCase() == KeyringClientError::Case::unavailable) return QuorbitError::keychainUnavailable();
    if (error.isAccessDenied()) return QuorbitError(QuorbitError::Case::keychainAccessDenied, error.message());
    return QuorbitError::keychainFailure(error.message());
}

template <typename Operation>
auto withMappedErrors(Operation&& operation) {
    try {
        return std::forward<Operation>(operation)();
    } catch (const QuorbitError&) {
        throw;
    } catch (const KeyringClientError& error) {
        throw mapped(error);
    } catch (const std::exception& error) {
        throw QuorbitError::keychainFailure(error.what());
    }
}

}  // namespace

KeyringSecretStore::KeyringSecretStore(std::string service, std::string legacyService, KeyringClient& client,
                                       bool synchronizable)
    : service_(std::move(service)), legacyService_(std::move(legacyService)), client_(client),
      synchronizable_(synchronizable) {}

void KeyringSecretStore::saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) {
    std::scoped_lock lock(mutex_);
    withMappedErrors([&] { client_.save(service_, ref.rawValue, secret, synchronizable_); });
}

SecretBytes KeyringSecretStore::loadSecret(const OtpSecretRef& ref) {
    std::scoped_lock lock(mutex_);
    auto current = withMappedErrors([&]() -> std::optional<SecretBytes> {
        try {
            return client_.load(service_, ref.rawValue);
        } catch (const KeyringClientError& error) {
            if (error.errorCase() != KeyringClientError::Case::itemNotFound) throw;
            return std::nullopt;
        }
    });
    if (current) return std::move(*current);
    return migrateLegacySecret(ref);
}

std::map<OtpSecretRef, SecretBytes> KeyringSecretStore::loadSecrets(const std::vector<OtpSecretRef>& refs) {
    std::scoped_lock lock(mutex_);
    std::vector<std::string> accounts;
    accounts.reserve(refs.size());
    for (const OtpSecretRef& ref : refs) accounts.push_back(ref.rawValue);
    auto stored = withMappedErrors([&] { return client_.loadMany(service_, accounts); });
    std::map<OtpSecretRef, SecretBytes> secrets;
    for (const OtpSecretRef& ref : refs) {
        if (auto item = stored.extract(ref.rawValue)) secrets.emplace(ref, std::move(item.mapped()));
    }
    return secrets;
}

void KeyringSecretStore::deleteSecret(const OtpSecretRef& ref) {
    std::scoped_lock lock(mutex_);
    withMappedErrors([&] {
        client_.remove(service_, ref.rawValue);
        client_.remove(legacyService_, ref.rawValue);
    });
}

// Refused access is not singled out here: every failure of the move is a keyring failure.
SecretBytes KeyringSecretStore::migrateLegacySecret(const OtpSecretRef& ref) {
    try {
        return copyLegacySecret(ref);
    } catch (const QuorbitError&) {
        throw;
    } catch (const KeyringClientError& error) {
        throw QuorbitError::keychainFailure(error.message());
    } catch (const std::exception& error) {
        throw QuorbitError::keychainFailure(error.what());
    }
}

// The earlier item goes only once the new one reads back equal.
SecretBytes KeyringSecretStore::copyLegacySecret(const OtpSecretRef& ref) {
    SecretBytes legacy = client_.load(legacyService_, ref.rawValue);
    client_.save(service_, ref.rawValue, legacy, synchronizable_);
    if (client_.load(service_, ref.rawValue) != legacy) {
        throw KeyringClientError::failure("New keyring item verification failed");
    }
    client_.remove(legacyService_, ref.rawValue);
    return legacy;
}

std::vector<OtpSecretRef> KeyringSecretStore::storedSecretRefs() {
    std::scoped_lock lock(mutex_);
    const std::vector<std::string> accounts = withMappedErrors([&] { return client_.unlockedAccounts(service_); });
    std::vector<OtpSecretRef> refs;
    refs.reserve(accounts.size());
    for (const std::string& account : accounts) refs.push_back(OtpSecretRef{account});
    return refs;
}

}  // namespace quorbit
