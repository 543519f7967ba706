#include "RefusingKeyringPrompter.h"

#include <stdexcept>

#include <gio/gio.h>

namespace quorbit::test {
namespace {

// The prompter interface gnome-keyring calls; opening a prompt is BeginPrompting.
constexpr const char* prompterInterface =
    "<node><interface name='org.gnome.keyring.internal.Prompter'>"
    "<method name='BeginPrompting'><arg type='o' direction='in'/></method>"
    "<method name='PerformPrompt'><arg type='o' direction='in'/><arg type='s' direction='in'/>"
    "<arg type='a{sv}' direction='in'/><arg type='s' direction='in'/></method>"
    "<method name='StopPrompting'><arg type='o' direction='in'/></method>"
    "</interface></node>";

void own(GDBusConnection* connection, const char* name) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
        g_variant_new("(su)", name, 0u), G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &error);
    if (reply == nullptr) throw std::runtime_error(error->message);
    g_variant_unref(reply);
}

// A prompter that cannot begin makes the daemon complete the prompt as dismissed.
void answer(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method, GVariant*,
            GDBusMethodInvocation* invocation, gpointer prompts) {
    if (g_strcmp0(method, "BeginPrompting") == 0) {
        ++*static_cast<std::atomic<int>*>(prompts);
        g_dbus_method_invocation_return_dbus_error(invocation, "org.freedesktop.DBus.Error.NotSupported",
                                                   "The user cancelled the prompt");
        return;
    }
    g_dbus_method_invocation_return_value(invocation, nullptr);
}

}  // namespace

RefusingKeyringPrompter::RefusingKeyringPrompter()
    : context_(g_main_context_new()), loop_(g_main_loop_new(context_, FALSE)) {
    GError* error = nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    connection_ = g_dbus_connection_new_for_address_sync(
        address,
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    g_free(address);
    if (connection_ == nullptr) throw std::runtime_error(error->message);
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(prompterInterface, nullptr);
    static const GDBusInterfaceVTable calls{&answer, nullptr, nullptr, {}};
    // Calls are served on the context that was the thread's default when the object was registered.
    g_main_context_push_thread_default(context_);
    g_dbus_connection_register_object(connection_, "/org/gnome/keyring/Prompter", node->interfaces[0], &calls,
                                      &prompts_, nullptr, nullptr);
    g_main_context_pop_thread_default(context_);
    g_dbus_node_info_unref(node);
    thread_ = g_thread_new(
        "refusing-prompter",
        [](gpointer loop) -> gpointer {
            g_main_loop_run(static_cast<GMainLoop*>(loop));
            return nullptr;
        },
        loop_);
    own(connection_, "org.gnome.keyring.SystemPrompter");
    own(connection_, "org.gnome.keyring.PrivatePrompter");
}

RefusingKeyringPrompter::~RefusingKeyringPrompter() {
    g_main_loop_quit(loop_);
    g_thread_join(thread_);
    g_dbus_connection_close_sync(connection_, nullptr, nullptr);
    g_object_unref(connection_);
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
}

}  // namespace quorbit::test
