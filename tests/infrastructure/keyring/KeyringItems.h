#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "domain/SecretBytes.h"

namespace quorbit::test {

// Direct access to the session's keyring through libsecret, bypassing the client under test,
// to plant items as the earlier product wrote them and to see what is really stored.
class KeyringItems {
public:
    // Stores a binary item with the given attributes under a schema of the given name.
    static void store(const std::string& schemaName, const std::string& service, const std::string& account,
                      const SecretBytes& data);
    // The secrets of every item with these attributes, whatever its schema.
    static std::vector<SecretBytes> find(const std::string& service, const std::string& account);
};

}  // namespace quorbit::test
