#include "infrastructure/keyring/KeyringItemSchema.h"

#include "config/KeyringNames.h"

namespace quorbit {

const SecretSchema* keyringItemSchema() {
    static const SecretSchema schema = [] {
        SecretSchema result{};
        result.name = KeyringNames::schema.data();
        result.flags = SECRET_SCHEMA_DONT_MATCH_NAME;
        result.attributes[0] = {"service", SECRET_SCHEMA_ATTRIBUTE_STRING};
        result.attributes[1] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return result;
    }();
    return &schema;
}

}  // namespace quorbit
