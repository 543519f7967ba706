#include "infrastructure/keyring/SystemKeychainClient.h"

// The path-level search lets a read leave out items deleted while it runs.
#define SECRET_API_SUBJECT_TO_CHANGE
#include <libsecret/secret.h>

#include <memory>
#include <optional>
#include <span>

#include "application/ports/KeychainClientError.h"
#include "config/KeyringNames.h"
#include "infrastructure/keyring/KeyringStatus.h"

namespace quorbit {
namespace {

constexpr const char* binaryContentType = "application/octet-stream";

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectRelease>;

struct ItemListRelease {
    void operator()(GList* items) const { g_list_free_full(items, g_object_unref); }
};
using ItemList = std::unique_ptr<GList, ItemListRelease>;

struct StringArrayRelease {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};
using Paths = std::unique_ptr<gchar*, StringArrayRelease>;

struct HashTableRelease {
    void operator()(GHashTable* table) const { g_hash_table_unref(table); }
};
using Attributes = std::unique_ptr<GHashTable, HashTableRelease>;

struct SecretValueRelease {
    void operator()(SecretValue* value) const { secret_value_unref(value); }
};
using Value = std::unique_ptr<SecretValue, SecretValueRelease>;

// Items of the earlier product may carry another schema name, so the name is not matched.
const SecretSchema* itemSchema() {
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

Attributes itemAttributes(const std::string& service, const std::string& account) {
    return Attributes(secret_attributes_build(itemSchema(), "service", service.c_str(), "account", account.c_str(),
                                              nullptr));
}

bool meansNoService(const GError* error) {
    if (error->domain != G_DBUS_ERROR) return false;
    switch (error->code) {
    case G_DBUS_ERROR_SERVICE_UNKNOWN:
    case G_DBUS_ERROR_NAME_HAS_NO_OWNER:
    case G_DBUS_ERROR_NO_SERVER:
    case G_DBUS_ERROR_SPAWN_SERVICE_NOT_FOUND:
    case G_DBUS_ERROR_SPAWN_EXEC_FAILED:
    case G_DBUS_ERROR_SPAWN_FAILED:
    case G_DBUS_ERROR_SPAWN_CHILD_EXITED: return true;
    default: return false;
    }
}

// Takes the error over; its message comes from the service and never holds secret bytes.
[[noreturn]] void throwClientError(GError* error, bool connecting = false) {
    const std::unique_ptr<GError, decltype(&g_error_free)> owned(error, &g_error_free);
    if (meansNoService(error) || (connecting && error->domain == G_IO_ERROR)) {
        throw KeychainClientError::osStatus(KeyringStatus::notAvailable);
    }
    if (g_error_matches(error, SECRET_ERROR, SECRET_ERROR_IS_LOCKED)) {
        throw KeychainClientError::osStatus(KeyringStatus::interactionNotAllowed);
    }
    throw KeychainClientError::failure(error->message);
}

GObjectPtr<SecretService> openService() {
    GError* error = nullptr;
    SecretService* service =
        secret_service_open_sync(SECRET_TYPE_SERVICE, nullptr, SECRET_SERVICE_OPEN_SESSION, nullptr, &error);
    if (service == nullptr) throwClientError(error, true);
    return GObjectPtr<SecretService>(service);
}

// A locked default collection is opened through the service's prompt before anything is written.
void unlockDefaultCollection(SecretService* service) {
    GError* error = nullptr;
    const GObjectPtr<SecretCollection> collection(
        secret_collection_for_alias_sync(service, SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, nullptr, &error));
    if (error != nullptr) throwClientError(error);
    if (!collection || !secret_collection_get_locked(collection.get())) return;
    GList objects{collection.get(), nullptr, nullptr};
    const gint unlocked = secret_service_unlock_sync(service, &objects, nullptr, nullptr, &error);
    if (error != nullptr) throwClientError(error);
    if (unlocked == 0) throw KeychainClientError::osStatus(KeyringStatus::authFailed);
}

ItemList search(SecretService* service, GHashTable* attributes, int flags) {
    GError* error = nullptr;
    GList* items = secret_service_search_sync(service, itemSchema(), attributes,
                                              static_cast<SecretSearchFlags>(flags | SECRET_SEARCH_UNLOCK), nullptr,
                                              &error);
    if (error != nullptr) throwClientError(error);
    return ItemList(items);
}

// gnome-keyring answers a fetch naming a deleted item with UnknownMethod; others with NoSuchObject.
bool meansItemGone(const GError* error) {
    return g_error_matches(error, SECRET_ERROR, SECRET_ERROR_NO_SUCH_OBJECT) ||
           g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_METHOD) ||
           g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_OBJECT);
}

// Another program may delete an item while we read: the search's own item objects would then fail
// as a whole, so items are found by path, locked ones unlocked through the service's prompt, and
// an item that went in the meantime is left out.
ItemList searchAllLeavingOutDeleted(SecretService* service, GHashTable* attributes) {
    gchar** unlocked = nullptr;
    gchar** locked = nullptr;
    GError* error = nullptr;
    if (!secret_service_search_for_dbus_paths_sync(service, itemSchema(), attributes, nullptr, &unlocked, &locked,
                                                   &error)) {
        throwClientError(error);
    }
    const Paths unlockedPaths(unlocked), lockedPaths(locked);
    if (locked != nullptr && *locked != nullptr) {
        secret_service_unlock_dbus_paths_sync(service, const_cast<const gchar**>(locked), nullptr, nullptr, &error);
        if (error != nullptr) throwClientError(error);
    }
    ItemList found;
    for (gchar** paths : {unlocked, locked}) {
        for (; paths != nullptr && *paths != nullptr; ++paths) {
            SecretItem* item = secret_item_new_for_dbus_path_sync(service, *paths, SECRET_ITEM_NONE, nullptr, &error);
            if (item != nullptr) {
                found.reset(g_list_prepend(found.release(), item));
            } else if (meansItemGone(error)) {
                g_clear_error(&error);
            } else {
                throwClientError(error);
            }
        }
    }
    found.reset(g_list_reverse(found.release()));
    return found;
}

// One search that unlocks the items and fetches all their secrets together. Should an item go
// meanwhile, which fails that search, the items are found again leaving out those that went, and
// their secrets fetched one by one; an item that went later still keeps no secret.
ItemList searchLoadingSecrets(SecretService* service, GHashTable* attributes) {
    GError* error = nullptr;
    GList* items = secret_service_search_sync(
        service, itemSchema(), attributes,
        static_cast<SecretSearchFlags>(SECRET_SEARCH_ALL | SECRET_SEARCH_UNLOCK | SECRET_SEARCH_LOAD_SECRETS), nullptr,
        &error);
    if (error == nullptr) return ItemList(items);
    if (!meansItemGone(error)) throwClientError(error);
    g_clear_error(&error);
    ItemList found = searchAllLeavingOutDeleted(service, attributes);
    for (GList* entry = found.get(); entry != nullptr; entry = entry->next) {
        if (!secret_item_load_secret_sync(static_cast<SecretItem*>(entry->data), nullptr, &error)) {
            if (!meansItemGone(error)) throwClientError(error);
            g_clear_error(&error);
        }
    }
    return found;
}

ItemList search(SecretService* service, const std::string& serviceName, const std::string& account, int flags) {
    const Attributes attributes = itemAttributes(serviceName, account);
    return search(service, attributes.get(), flags);
}

// Searching with SECRET_SEARCH_UNLOCK returns items still locked when the prompt was dismissed.
void requireUnlocked(SecretItem* item) {
    if (secret_item_get_locked(item)) throw KeychainClientError::osStatus(KeyringStatus::authFailed);
}

SecretBytes bytesOf(SecretValue* value) {
    gsize length = 0;
    const gchar* bytes = secret_value_get(value, &length);
    return SecretBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes), length));
}

SecretBytes loadedSecret(SecretItem* item) {
    requireUnlocked(item);
    const Value value(secret_item_get_secret(item));
    if (!value) throw KeychainClientError::failure("The keyring returned no secret for the item");
    return bytesOf(value.get());
}

std::optional<std::string> accountOf(SecretItem* item) {
    const Attributes attributes(secret_item_get_attributes(item));
    const auto* account = static_cast<const gchar*>(g_hash_table_lookup(attributes.get(), "account"));
    if (account == nullptr) return std::nullopt;
    return std::string(account);
}

}  // namespace

void SystemKeychainClient::save(const std::string& service, const std::string& account, const SecretBytes& data,
                                bool /*synchronizable*/) {
    const GObjectPtr<SecretService> secretService = openService();
    unlockDefaultCollection(secretService.get());
    const Attributes attributes = itemAttributes(service, account);
    const Value value(secret_value_new(reinterpret_cast<const gchar*>(data.data()), static_cast<gssize>(data.size()),
                                       binaryContentType));
    GError* error = nullptr;
    if (!secret_service_store_sync(secretService.get(), itemSchema(), attributes.get(), SECRET_COLLECTION_DEFAULT,
                                   KeyringNames::itemLabel.data(), value.get(), nullptr, &error)) {
        throwClientError(error);
    }
}

SecretBytes SystemKeychainClient::load(const std::string& service, const std::string& account) {
    const GObjectPtr<SecretService> secretService = openService();
    const ItemList items = search(secretService.get(), service, account, SECRET_SEARCH_LOAD_SECRETS);
    if (!items) throw KeychainClientError::itemNotFound();
    return loadedSecret(static_cast<SecretItem*>(items->data));
}

// The search unlocks the items and fetches all their secrets in one call to the service.
std::map<std::string, SecretBytes> SystemKeychainClient::loadAll(const std::string& service) {
    const GObjectPtr<SecretService> secretService = openService();
    const Attributes attributes(secret_attributes_build(itemSchema(), "service", service.c_str(), nullptr));
    const ItemList items = searchLoadingSecrets(secretService.get(), attributes.get());
    std::map<std::string, SecretBytes> secrets;
    for (GList* entry = items.get(); entry != nullptr; entry = entry->next) {
        auto* item = static_cast<SecretItem*>(entry->data);
        // The first item of an account wins, as a single read takes the first one found.
        if (auto account = accountOf(item); account && !secrets.contains(*account)) {
            requireUnlocked(item);
            // An item deleted during the read has no secret and is left out.
            if (const Value value(secret_item_get_secret(item)); value) {
                secrets.emplace(std::move(*account), bytesOf(value.get()));
            }
        }
    }
    return secrets;
}

void SystemKeychainClient::remove(const std::string& service, const std::string& account) {
    const GObjectPtr<SecretService> secretService = openService();
    const ItemList items = search(secretService.get(), service, account, SECRET_SEARCH_ALL);
    for (GList* entry = items.get(); entry != nullptr; entry = entry->next) {
        auto* item = static_cast<SecretItem*>(entry->data);
        requireUnlocked(item);
        GError* error = nullptr;
        if (!secret_item_delete_sync(item, nullptr, &error)) throwClientError(error);
    }
}

// Paths first: a locked item's attributes are not asked for, so nothing prompts.
std::vector<std::string> SystemKeychainClient::unlockedAccounts(const std::string& service) {
    const GObjectPtr<SecretService> secretService = openService();
    const Attributes attributes(secret_attributes_build(itemSchema(), "service", service.c_str(), nullptr));
    gchar** unlocked = nullptr;
    GError* error = nullptr;
    if (!secret_service_search_for_dbus_paths_sync(secretService.get(), itemSchema(), attributes.get(), nullptr,
                                                   &unlocked, nullptr, &error)) {
        throwClientError(error);
    }
    const Paths paths(unlocked);
    std::vector<std::string> accounts;
    for (gchar** path = unlocked; path != nullptr && *path != nullptr; ++path) {
        const GObjectPtr<SecretItem> item(
            secret_item_new_for_dbus_path_sync(secretService.get(), *path, SECRET_ITEM_NONE, nullptr, &error));
        if (!item) {
            if (!meansItemGone(error)) throwClientError(error);
            g_clear_error(&error);
        } else if (auto account = accountOf(item.get())) {
            accounts.push_back(std::move(*account));
        }
    }
    return accounts;
}

}  // namespace quorbit
