#include "application/services/SecretFingerprintProvider.h"

#include <openssl/sha.h>

namespace quorbit {

SecretFingerprintProvider::SecretFingerprintProvider(SecretStore& secretStore) : secretStore_(secretStore) {}

std::optional<SecretFingerprintProvider::Fingerprint> SecretFingerprintProvider::fingerprint(
    const OtpAccount& account) const {
    const std::optional<SecretBytes> secret = load(account);
    if (!secret) return std::nullopt;
    Fingerprint digest{};
    SHA256(secret->data(), secret->size(), digest.data());
    return digest;
}

std::optional<std::size_t> SecretFingerprintProvider::secretLength(const OtpAccount& account) const {
    const std::optional<SecretBytes> secret = load(account);
    if (!secret) return std::nullopt;
    return secret->size();
}

std::optional<SecretBytes> SecretFingerprintProvider::load(const OtpAccount& account) const {
    try {
        return secretStore_.loadSecret(account.secretRef);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace quorbit
