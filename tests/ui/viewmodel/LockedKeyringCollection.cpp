#include "LockedKeyringCollection.h"

#include <stdexcept>

#include <gio/gio.h>

namespace quorbit::test {
namespace {

constexpr const char* secretService = "org.freedesktop.secrets";
constexpr const char* servicePath = "/org/freedesktop/secrets";

std::string pathOf(GVariant* reply, const char* format) {
    const gchar* path = nullptr;
    g_variant_get(reply, format, &path);
    std::string result(path);
    g_variant_unref(reply);
    return result;
}

}  // namespace

LockedKeyringCollection::LockedKeyringCollection(const std::string& service,
                                                 const std::map<std::string, SecretBytes>& secretsByAccount)
    : connection_(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr)) {
    GVariant* opened = call(servicePath, "org.freedesktop.Secret.Service", "OpenSession",
                            g_variant_new("(sv)", "plain", g_variant_new_string("")));
    GVariant* output = nullptr;
    const gchar* session = nullptr;
    g_variant_get(opened, "(v&o)", &output, &session);
    session_ = session;
    g_variant_unref(output);
    g_variant_unref(opened);
    // gnome-keyring's own way to make a collection without asking for its password.
    GVariantBuilder properties;
    g_variant_builder_init(&properties, G_VARIANT_TYPE("a{sv}"));
    g_variant_builder_add(&properties, "{sv}", "org.freedesktop.Secret.Collection.Label",
                          g_variant_new_string("Locked test collection"));
    collection_ = pathOf(call(servicePath, "org.gnome.keyring.InternalUnsupportedGuiltRiddenInterface",
                              "CreateWithMasterPassword",
                              g_variant_new("(a{sv}@(oayays))", &properties, plainSecret("test-password"))),
                         "(&o)");
    for (const auto& [account, secret] : secretsByAccount) {
        GVariantBuilder attributes;
        g_variant_builder_init(&attributes, G_VARIANT_TYPE("a{ss}"));
        g_variant_builder_add(&attributes, "{ss}", "service", service.c_str());
        g_variant_builder_add(&attributes, "{ss}", "account", account.c_str());
        GVariantBuilder item;
        g_variant_builder_init(&item, G_VARIANT_TYPE("a{sv}"));
        g_variant_builder_add(&item, "{sv}", "org.freedesktop.Secret.Item.Label",
                              g_variant_new_string(account.c_str()));
        g_variant_builder_add(&item, "{sv}", "org.freedesktop.Secret.Item.Attributes",
                              g_variant_builder_end(&attributes));
        const std::string bytes(reinterpret_cast<const char*>(secret.data()), secret.size());
        g_variant_unref(call(collection_.c_str(), "org.freedesktop.Secret.Collection", "CreateItem",
                             g_variant_new("(a{sv}@(oayays)b)", &item, plainSecret(bytes), TRUE)));
    }
    const gchar* toLock[] = {collection_.c_str()};
    g_variant_unref(call(servicePath, "org.freedesktop.Secret.Service", "Lock",
                         g_variant_new("(@ao)", g_variant_new_objv(toLock, 1))));
}

LockedKeyringCollection::~LockedKeyringCollection() {
    GVariant* reply = g_dbus_connection_call_sync(connection_, secretService, collection_.c_str(),
                                                  "org.freedesktop.Secret.Collection", "Delete", nullptr, nullptr,
                                                  G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
    if (reply != nullptr) g_variant_unref(reply);
    g_object_unref(connection_);
}

GVariant* LockedKeyringCollection::call(const char* path, const char* interface, const char* method,
                                        GVariant* arguments) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(connection_, secretService, path, interface, method, arguments,
                                                  nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &error);
    if (reply == nullptr) {
        const std::string message = error->message;
        g_error_free(error);
        throw std::runtime_error(message);
    }
    return reply;
}

GVariant* LockedKeyringCollection::plainSecret(const std::string& bytes) const {
    return g_variant_new("(o@ay@ays)", session_.c_str(), g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, nullptr, 0, 1),
                         g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, bytes.data(), bytes.size(), 1),
                         "application/octet-stream");
}

}  // namespace quorbit::test
