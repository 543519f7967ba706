#include "infrastructure/desktop/EwmhWindowState.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace quorbit {
namespace {

constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
constexpr std::uint32_t addState = 1;
constexpr std::uint32_t fromApplication = 1;

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_connection_t* x11Connection() {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr) return nullptr;
    auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

EwmhWindowState::EwmhWindowState(QWindow& window, QObject* parent)
    : QObject(parent), window_(window), connection_(x11Connection()) {
    if (connection_ != nullptr) window_.installEventFilter(this);
}

bool EwmhWindowState::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    // A window's show event comes before Qt maps it, and its first exposure after the mapping.
    if (event->type() == QEvent::Show) {
        setStateBeforeMapping();
        awaitingExpose_ = true;
    } else if (event->type() == QEvent::Expose && awaitingExpose_ && window_.isExposed()) {
        awaitingExpose_ = false;
        askManagerForState();
    }
    return false;
}

bool EwmhWindowState::isShownOnCurrentDesktop() const {
    if (!window_.isVisible()) return false;
    if (connection_ == nullptr) return true;
    const auto attributes = owned(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, nativeWindow()), nullptr));
    // A manager hides the windows of other desktops by unmapping their frames.
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return false;
    const auto names = atoms({"_NET_CURRENT_DESKTOP", "_NET_WM_DESKTOP"});
    const auto current = readCardinal(rootWindow(), names[0]);
    const auto desktop = readCardinal(nativeWindow(), names[1]);
    if (!current || !desktop) return true;
    return *desktop == allDesktops || *desktop == *current;
}

std::vector<std::uint32_t> EwmhWindowState::atoms(std::initializer_list<const char*> names) const {
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : names) {
        cookies.push_back(xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
    }
    std::vector<std::uint32_t> result;
    for (const auto cookie : cookies) {
        const auto reply = owned(xcb_intern_atom_reply(connection_, cookie, nullptr));
        result.push_back(reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE});
    }
    return result;
}

std::uint32_t EwmhWindowState::nativeWindow() const { return static_cast<std::uint32_t>(window_.winId()); }

std::uint32_t EwmhWindowState::rootWindow() const {
    return xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

void EwmhWindowState::setStateBeforeMapping() const {
    const auto names = atoms({"_NET_WM_STATE", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR",
                              "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_DESKTOP"});
    // Qt adds its own states (above, for the stay-on-top hint) to these when it maps the window.
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, nativeWindow(), names[0], XCB_ATOM_ATOM, 32, 3, &names[1]);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, nativeWindow(), names[4], XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    xcb_flush(connection_);
}

void EwmhWindowState::askManagerForState() const {
    const auto names = atoms({"_NET_WM_STATE", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR",
                              "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_DESKTOP"});
    sendToManager(names[0], {addState, names[1], names[2], fromApplication});
    sendToManager(names[0], {addState, names[3], XCB_ATOM_NONE, fromApplication});
    sendToManager(names[4], {allDesktops, fromApplication});
    xcb_flush(connection_);
}

void EwmhWindowState::sendToManager(std::uint32_t type, std::initializer_list<std::uint32_t> data) const {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = nativeWindow();
    message.type = type;
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(connection_, 0, rootWindow(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

std::optional<std::uint32_t> EwmhWindowState::readCardinal(std::uint32_t window, std::uint32_t property) const {
    const auto reply = owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return std::nullopt;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

}  // namespace quorbit
