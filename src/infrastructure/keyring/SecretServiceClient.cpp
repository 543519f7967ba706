#include "infrastructure/keyring/SecretServiceClient.h"

// The path-level search lets a read leave out items deleted while it runs.
#define SECRET_API_SUBJECT_TO_CHANGE
#include <libsecret/secret.h>
#include <malloc.h>

#include <memory>
#include <optional>
#include <span>

#include "application/ports/KeyringClientError.h"
#include "config/KeyringNames.h"
#include "infrastructure/keyring/KeyringItemSchema.h"

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

Attributes itemAttributes(const std::string& service, const std::string& account) {
    return Attributes(
        secret_attributes_build(keyringItemSchema(), "service", service.c_str(), "account", account.c_str(), nullptr));
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
        throw KeyringClientError::unavailable();
    }
    if (g_error_matches(error, SECRET_ERROR, SECRET_ERROR_IS_LOCKED)) {
        throw KeyringClientError::locked();
    }
    throw KeyringClientError::failure(error->message);
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
    if (unlocked == 0) throw KeyringClientError::promptDismissed();
}

ItemList search(SecretService* service, GHashTable* attributes, int flags) {
    GError* error = nullptr;
    GList* items = secret_service_search_sync(service, keyringItemSchema(), attributes,
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

ItemList search(SecretService* service, const std::string& serviceName, const std::string& account, int flags) {
    const Attributes attributes = itemAttributes(serviceName, account);
    return search(service, attributes.get(), flags);
}

// Searching with SECRET_SEARCH_UNLOCK returns items still locked when the prompt was dismissed.
void requireUnlocked(SecretItem* item) {
    if (secret_item_get_locked(item)) throw KeyringClientError::promptDismissed();
}

SecretBytes bytesOf(SecretValue* value) {
    gsize length = 0;
    const gchar* bytes = secret_value_get(value, &length);
    return SecretBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes), length));
}

SecretBytes loadedSecret(SecretItem* item) {
    requireUnlocked(item);
    const Value value(secret_item_get_secret(item));
    if (!value) throw KeyringClientError::failure("The keyring returned no secret for the item");
    return bytesOf(value.get());
}

// The path of each account's item (the first found, as a single read takes it) and which of
// them are locked, by one search per account: no item object is made.
struct ItemPaths {
    std::map<std::string, std::string> accountOfPath;
    std::vector<std::string> locked;
};

ItemPaths findPaths(SecretService* service, const std::string& serviceName, const std::vector<std::string>& accounts) {
    ItemPaths found;
    for (const std::string& account : accounts) {
        const Attributes attributes = itemAttributes(serviceName, account);
        gchar** unlocked = nullptr;
        gchar** locked = nullptr;
        GError* error = nullptr;
        if (!secret_service_search_for_dbus_paths_sync(service, keyringItemSchema(), attributes.get(), nullptr,
                                                       &unlocked, &locked, &error)) {
            throwClientError(error);
        }
        const Paths unlockedPaths(unlocked), lockedPaths(locked);
        if (unlocked != nullptr && *unlocked != nullptr) {
            found.accountOfPath.emplace(*unlocked, account);
        } else if (locked != nullptr && *locked != nullptr) {
            found.accountOfPath.emplace(*locked, account);
            found.locked.emplace_back(*locked);
        }
    }
    return found;
}

std::vector<const gchar*> nullTerminated(const std::vector<std::string>& paths) {
    std::vector<const gchar*> pointers;
    pointers.reserve(paths.size() + 1);
    for (const std::string& path : paths) pointers.push_back(path.c_str());
    pointers.push_back(nullptr);
    return pointers;
}

// One prompt for all of them; a dismissed prompt leaves them locked.
void unlockPaths(SecretService* service, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    GError* error = nullptr;
    std::vector<const gchar*> pointers = nullTerminated(paths);
    const gint unlocked = secret_service_unlock_dbus_paths_sync(service, pointers.data(), nullptr, nullptr, &error);
    if (error != nullptr) throwClientError(error);
    if (unlocked < static_cast<gint>(paths.size())) throw KeyringClientError::promptDismissed();
}

struct SecretTableRelease {
    void operator()(GHashTable* table) const { g_hash_table_unref(table); }
};
using SecretTable = std::unique_ptr<GHashTable, SecretTableRelease>;

void collectSecrets(GHashTable* fetched, const ItemPaths& items, std::map<std::string, SecretBytes>& secrets) {
    GHashTableIter entries;
    gpointer path = nullptr;
    gpointer value = nullptr;
    g_hash_table_iter_init(&entries, fetched);
    while (g_hash_table_iter_next(&entries, &path, &value)) {
        const auto account = items.accountOfPath.find(static_cast<const gchar*>(path));
        if (account != items.accountOfPath.end()) {
            secrets.insert_or_assign(account->second, bytesOf(static_cast<SecretValue*>(value)));
        }
    }
}

// Null, without an error, when one of the items went meanwhile.
SecretTable fetchSecrets(SecretService* service, const std::vector<std::string>& paths) {
    GError* error = nullptr;
    std::vector<const gchar*> pointers = nullTerminated(paths);
    GHashTable* secrets = secret_service_get_secrets_for_dbus_paths_sync(service, pointers.data(), nullptr, &error);
    if (error == nullptr) return SecretTable(secrets);
    if (!meansItemGone(error)) throwClientError(error);
    g_error_free(error);
    return nullptr;
}

// The service fails the whole fetch when an item went after the search (another program deleted
// it): the items are then fetched one by one, leaving out those that went.
void fetchSecretsLeavingOutDeleted(SecretService* service, const ItemPaths& items,
                                   std::map<std::string, SecretBytes>& secrets) {
    std::vector<std::string> paths;
    paths.reserve(items.accountOfPath.size());
    for (const auto& entry : items.accountOfPath) paths.push_back(entry.first);
    if (SecretTable all = fetchSecrets(service, paths); all) {
        collectSecrets(all.get(), items, secrets);
        return;
    }
    for (const std::string& path : paths) {
        if (SecretTable one = fetchSecrets(service, {path}); one) collectSecrets(one.get(), items, secrets);
    }
}

std::optional<std::string> accountOf(SecretItem* item) {
    const Attributes attributes(secret_item_get_attributes(item));
    const auto* account = static_cast<const gchar*>(g_hash_table_lookup(attributes.get(), "account"));
    if (account == nullptr) return std::nullopt;
    return std::string(account);
}

// A read of many leaves the replies' buffers free in this thread's and D-Bus's malloc arenas,
// which glibc keeps for the life of the process unless asked to give them back.
void releaseFreedMemory(std::size_t itemsRead) {
    constexpr std::size_t worthTrimming = 100;
    if (itemsRead >= worthTrimming) malloc_trim(0);
}

}  // namespace

void SecretServiceClient::save(const std::string& service, const std::string& account, const SecretBytes& data,
                               bool /*synchronizable*/) {
    const GObjectPtr<SecretService> secretService = openService();
    unlockDefaultCollection(secretService.get());
    const Attributes attributes = itemAttributes(service, account);
    const Value value(secret_value_new(reinterpret_cast<const gchar*>(data.data()), static_cast<gssize>(data.size()),
                                       binaryContentType));
    GError* error = nullptr;
    if (!secret_service_store_sync(secretService.get(), keyringItemSchema(), attributes.get(),
                                   SECRET_COLLECTION_DEFAULT, KeyringNames::itemLabel.data(), value.get(), nullptr,
                                   &error)) {
        throwClientError(error);
    }
}

SecretBytes SecretServiceClient::load(const std::string& service, const std::string& account) {
    const GObjectPtr<SecretService> secretService = openService();
    const ItemList items = search(secretService.get(), service, account, SECRET_SEARCH_LOAD_SECRETS);
    if (!items) throw KeyringClientError::itemNotFound();
    return loadedSecret(static_cast<SecretItem*>(items->data));
}

std::map<std::string, SecretBytes> SecretServiceClient::loadMany(const std::string& service,
                                                                 const std::vector<std::string>& accounts) {
    std::map<std::string, SecretBytes> secrets;
    if (accounts.empty()) return secrets;
    const GObjectPtr<SecretService> secretService = openService();
    const ItemPaths items = findPaths(secretService.get(), service, accounts);
    if (items.accountOfPath.empty()) return secrets;
    unlockPaths(secretService.get(), items.locked);
    fetchSecretsLeavingOutDeleted(secretService.get(), items, secrets);
    releaseFreedMemory(accounts.size());
    return secrets;
}

void SecretServiceClient::remove(const std::string& service, const std::string& account) {
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
std::vector<std::string> SecretServiceClient::unlockedAccounts(const std::string& service) {
    const GObjectPtr<SecretService> secretService = openService();
    const Attributes attributes(secret_attributes_build(keyringItemSchema(), "service", service.c_str(), nullptr));
    gchar** unlocked = nullptr;
    GError* error = nullptr;
    if (!secret_service_search_for_dbus_paths_sync(secretService.get(), keyringItemSchema(), attributes.get(), nullptr,
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
