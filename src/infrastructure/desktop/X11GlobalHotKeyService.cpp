#include "infrastructure/desktop/X11GlobalHotKeyService.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cstdlib>

#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "infrastructure/desktop/X11KeyTranslation.h"

namespace quorbit {

namespace {

constexpr std::uint16_t lockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t shortcutMask = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4 | XCB_MOD_MASK_SHIFT;
constexpr std::int32_t badValue = XCB_VALUE;

std::vector<std::uint32_t> rootWindows(xcb_connection_t* connection) {
    std::vector<std::uint32_t> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0; xcb_screen_next(&it)) {
        roots.push_back(it.data->root);
    }
    return roots;
}

}  // namespace

X11GlobalHotKeyService::X11GlobalHotKeyService() : X11GlobalHotKeyService(sessionDisplay()) {}

X11GlobalHotKeyService::X11GlobalHotKeyService(const std::optional<std::string>& display) {
    if (!display) return;
    auto* connection = xcb_connect(display->empty() ? nullptr : display->c_str(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    keySymbols_ = xcb_key_symbols_alloc(connection_);
}

X11GlobalHotKeyService::~X11GlobalHotKeyService() {
    unregisterAll();
    eventReader_.reset();
    if (keySymbols_ != nullptr) xcb_key_symbols_free(keySymbols_);
    if (connection_ != nullptr) xcb_disconnect(connection_);
}

// Grabs on a Wayland compositor's X11 server would only fire inside X11 windows, so only an
// application running on X11 counts as having a session.
std::optional<std::string> X11GlobalHotKeyService::sessionDisplay() {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr || QGuiApplication::platformName() != QStringLiteral("xcb")) return std::nullopt;
    return std::string();
}

void X11GlobalHotKeyService::setOnAction(ActionHandler handler) { onAction_ = std::move(handler); }

const GlobalHotKeyService::ActionHandler& X11GlobalHotKeyService::onAction() const { return onAction_; }

void X11GlobalHotKeyService::installEventHandlerIfNeeded() {
    if (connection_ == nullptr) throw GlobalHotKeyRegistrationError::unavailable();
    if (eventReader_) return;
    eventReader_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(eventReader_.get(), &QSocketNotifier::activated, eventReader_.get(), [this] { readEvents(); });
}

void X11GlobalHotKeyService::registerShortcut(const KeyboardShortcut& shortcut, KeyboardShortcutAction action) {
    installEventHandlerIfNeeded();
    const auto id = hotKeyId(action);
    release(id);
    auto grabs = grabsFor(shortcut, action);
    if (const auto error = grab(grabs)) throw GlobalHotKeyRegistrationError::registrationFailed(action, *error);
    grabsById_[id] = std::move(grabs);
    actionsById_[id] = action;
    // Replies read while checking the grabs may have queued events the socket no longer
    // signals; they are read from the event loop, not inside the caller's registration.
    QMetaObject::invokeMethod(
        eventReader_.get(), [this] { readEvents(); }, Qt::QueuedConnection);
}

void X11GlobalHotKeyService::unregisterAll() {
    for (const auto& [id, grabs] : grabsById_) ungrab(grabs);
    grabsById_.clear();
    actionsById_.clear();
    if (connection_ != nullptr) xcb_flush(connection_);
}

std::vector<X11GlobalHotKeyService::KeyGrab> X11GlobalHotKeyService::grabsFor(const KeyboardShortcut& shortcut,
                                                                              KeyboardShortcutAction action) const {
    const auto modifiers = X11KeyTranslation::modifierMask(shortcut.modifiers);
    std::vector<KeyGrab> grabs;
    for (auto root : rootWindows(connection_)) {
        for (auto keyCode : keyCodesFor(shortcut, action)) {
            for (auto lock : lockMasks) grabs.push_back({root, keyCode, static_cast<std::uint16_t>(modifiers | lock)});
        }
    }
    return grabs;
}

std::vector<std::uint8_t> X11GlobalHotKeyService::keyCodesFor(const KeyboardShortcut& shortcut,
                                                              KeyboardShortcutAction action) const {
    const auto keySym = X11KeyTranslation::keySym(shortcut.keyCode);
    if (!keySym) throw GlobalHotKeyRegistrationError::registrationFailed(action, badValue);
    std::vector<std::uint8_t> keyCodes;
    if (xcb_keycode_t* found = xcb_key_symbols_get_keycode(keySymbols_, *keySym)) {
        for (auto* code = found; *code != XCB_NO_SYMBOL; ++code) keyCodes.push_back(*code);
        std::free(found);
    }
    if (keyCodes.empty()) throw GlobalHotKeyRegistrationError::registrationFailed(action, badValue);
    return keyCodes;
}

// All grabs or none: the first X error undoes the others and is returned.
std::optional<std::int32_t> X11GlobalHotKeyService::grab(const std::vector<KeyGrab>& grabs) const {
    std::vector<xcb_void_cookie_t> cookies;
    for (const auto& key : grabs) {
        cookies.push_back(xcb_grab_key_checked(connection_, 1, key.root, key.modifiers, key.keyCode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    std::optional<std::int32_t> failure;
    for (const auto& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            if (!failure) failure = error->error_code;
            std::free(error);
        }
    }
    if (failure) ungrab(grabs);
    return failure;
}

// Ungrabbing releases only this connection's grabs, so a combination another program holds
// is left alone.
void X11GlobalHotKeyService::ungrab(const std::vector<KeyGrab>& grabs) const {
    for (const auto& key : grabs) xcb_ungrab_key(connection_, key.keyCode, key.root, key.modifiers);
    xcb_flush(connection_);
}

void X11GlobalHotKeyService::release(std::uint32_t id) {
    if (auto found = grabsById_.find(id); found != grabsById_.end()) {
        ungrab(found->second);
        grabsById_.erase(found);
    }
    actionsById_.erase(id);
}

void X11GlobalHotKeyService::readEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        handle(*event);
        std::free(event);
    }
    // A lost server leaves the socket readable for ever.
    if (xcb_connection_has_error(connection_) != 0 && eventReader_) eventReader_->setEnabled(false);
}

void X11GlobalHotKeyService::handle(const xcb_generic_event_t& event) {
    switch (event.response_type & ~0x80) {
    case XCB_KEY_PRESS: {
        const auto& press = reinterpret_cast<const xcb_key_press_event_t&>(event);
        handleKeyPress(press.detail, press.state, press.root);
        break;
    }
    case XCB_MAPPING_NOTIFY:
        xcb_refresh_keyboard_mapping(keySymbols_, const_cast<xcb_mapping_notify_event_t*>(
                                                      reinterpret_cast<const xcb_mapping_notify_event_t*>(&event)));
        break;
    default: break;
    }
}

// A press that matches no registered shortcut (one released meanwhile) triggers nothing.
void X11GlobalHotKeyService::handleKeyPress(std::uint8_t keyCode, std::uint16_t state, std::uint32_t root) {
    const auto modifiers = static_cast<std::uint16_t>(state & shortcutMask);
    for (const auto& [id, grabs] : grabsById_) {
        for (const auto& key : grabs) {
            if (key.keyCode != keyCode || key.root != root || (key.modifiers & shortcutMask) != modifiers) continue;
            // The handler may register again or replace itself, so nothing of ours is in use.
            const auto action = actionsById_.at(id);
            if (auto handler = onAction_) handler(action);
            return;
        }
    }
}

}  // namespace quorbit
