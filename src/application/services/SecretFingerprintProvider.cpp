#include "application/services/SecretFingerprintProvider.h"

#include <openssl/sha.h>

namespace quorbit {

SecretFingerprintProvider::SecretFingerprintProvider(SecretStore& secretStore) : secretStore_(secretStore) {}

SecretFingerprintProvider::Fingerprint SecretFingerprintProvider::fingerprint(const OtpAccount& account) const {
    const SecretBytes secret = secretStore_.loadSecret(account.secretRef);
    Fingerprint digest{};
    SHA256(secret.data(), secret.size(), digest.data());
    return digest;
}

std::size_t SecretFingerprintProvider::secretLength(const OtpAccount& account) const {
    return secretStore_.loadSecret(account.secretRef).size();
}

}  // namespace quorbit
