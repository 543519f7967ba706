#pragma once

#include <libsecret/secret.h>

namespace quorbit {

// The schema of the program's keyring items: a service and an account. Items of the earlier
// product may carry another schema name, so the name is not matched.
const SecretSchema* keyringItemSchema();

}  // namespace quorbit
