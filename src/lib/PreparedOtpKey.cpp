#include "lib/PreparedOtpKey.h"

#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

[[noreturn]] void failInvalidSecret() { throw QuorbitError(QuorbitError::Case::invalidSecret); }

Hmac::Hash hashOf(OtpAlgorithm algorithm) {
    switch (algorithm) {
    case OtpAlgorithm::sha1: return Hmac::Hash::sha1;
    case OtpAlgorithm::sha256: return Hmac::Hash::sha256;
    case OtpAlgorithm::sha512: return Hmac::Hash::sha512;
    }
    failInvalidSecret();
}

}  // namespace

PreparedOtpKey::PreparedOtpKey(const SecretBytes& secret, OtpAlgorithm algorithm) : algorithm_(algorithm) {
    if (secret.empty()) failInvalidSecret();
    hmac_ = std::make_unique<const Hmac>(hashOf(algorithm), secret.view());
}

}  // namespace quorbit
