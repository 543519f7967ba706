#pragma once

#include <string>

#include "domain/SecretBytes.h"

namespace quorbit {

// Raw keyring item operations, keyed by service and account. Failures throw KeychainClientError.
class KeychainClient {
public:
    virtual ~KeychainClient() = default;
    virtual void save(const std::string& service, const std::string& account, const SecretBytes& data,
                      bool synchronizable) = 0;
    // Throws KeychainClientError::itemNotFound when there is no such item.
    virtual SecretBytes load(const std::string& service, const std::string& account) = 0;
    // A missing item is no error.
    virtual void remove(const std::string& service, const std::string& account) = 0;
};

}  // namespace quorbit
