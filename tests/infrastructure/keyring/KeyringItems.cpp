#include "KeyringItems.h"

#include <libsecret/secret.h>

#include <span>
#include <stdexcept>

namespace quorbit::test {
namespace {

SecretSchema schemaNamed(const std::string& name, SecretSchemaFlags flags) {
    SecretSchema schema{};
    schema.name = name.c_str();
    schema.flags = flags;
    schema.attributes[0] = {"service", SECRET_SCHEMA_ATTRIBUTE_STRING};
    schema.attributes[1] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
    return schema;
}

[[noreturn]] void fail(GError* error) {
    const std::string message = error != nullptr ? error->message : "unknown libsecret error";
    g_clear_error(&error);
    throw std::runtime_error(message);
}

}  // namespace

void KeyringItems::store(const std::string& schemaName, const std::string& service, const std::string& account,
                         const SecretBytes& data) {
    const SecretSchema schema = schemaNamed(schemaName, SECRET_SCHEMA_NONE);
    SecretValue* value = secret_value_new(reinterpret_cast<const gchar*>(data.data()), static_cast<gssize>(data.size()),
                                          "application/octet-stream");
    GError* error = nullptr;
    const gboolean stored = secret_password_store_binary_sync(&schema, SECRET_COLLECTION_DEFAULT, "legacy test item",
                                                              value, nullptr, &error, "service", service.c_str(),
                                                              "account", account.c_str(), nullptr);
    secret_value_unref(value);
    if (!stored) fail(error);
}

std::vector<SecretBytes> KeyringItems::find(const std::string& service, const std::string& account) {
    const SecretSchema schema = schemaNamed("any", SECRET_SCHEMA_DONT_MATCH_NAME);
    GError* error = nullptr;
    GList* items = secret_password_search_sync(
        &schema, static_cast<SecretSearchFlags>(SECRET_SEARCH_ALL | SECRET_SEARCH_LOAD_SECRETS), nullptr, &error,
        "service", service.c_str(), "account", account.c_str(), nullptr);
    if (error != nullptr) fail(error);
    std::vector<SecretBytes> secrets;
    for (GList* entry = items; entry != nullptr; entry = entry->next) {
        SecretValue* value = secret_retrievable_retrieve_secret_sync(SECRET_RETRIEVABLE(entry->data), nullptr, &error);
        if (error != nullptr) fail(error);
        gsize length = 0;
        const gchar* bytes = value != nullptr ? secret_value_get(value, &length) : nullptr;
        secrets.emplace_back(std::span(reinterpret_cast<const std::uint8_t*>(bytes), length));
        if (value != nullptr) secret_value_unref(value);
    }
    g_list_free_full(items, g_object_unref);
    return secrets;
}

}  // namespace quorbit::test
