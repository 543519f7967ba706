#pragma once

#include "domain/OtpSecretRef.h"
#include "domain/SecretBytes.h"

namespace quorbit {

// An account's secret bytes, kept under its reference. Failures throw QuorbitError
// (keychainFailure, keychainAccessDenied).
class SecretStore {
public:
    virtual ~SecretStore() = default;
    virtual void saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) = 0;
    virtual SecretBytes loadSecret(const OtpSecretRef& ref) = 0;
    virtual void deleteSecret(const OtpSecretRef& ref) = 0;
};

}  // namespace quorbit
