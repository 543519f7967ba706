#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include "application/ports/GlobalHotKeyService.h"

class QSocketNotifier;

namespace quorbit {

// Global shortcuts as key grabs on the X11 root windows, on a connection of its own whose
// events are read on the GUI thread. Each shortcut is grabbed four times, with and without
// NumLock and CapsLock, so that those locks do not disable it. Use from the GUI thread.
class X11GlobalHotKeyService : public GlobalHotKeyService {
public:
    // The session's X server when the application runs on X11; otherwise no session, and
    // registration fails with GlobalHotKeyRegistrationError::unavailable().
    X11GlobalHotKeyService();
    // The given X display (empty: $DISPLAY), or none for a session without X11.
    explicit X11GlobalHotKeyService(const std::optional<std::string>& display);
    ~X11GlobalHotKeyService() override;
    X11GlobalHotKeyService(const X11GlobalHotKeyService&) = delete;
    X11GlobalHotKeyService& operator=(const X11GlobalHotKeyService&) = delete;

    void setOnAction(ActionHandler handler) override;
    const ActionHandler& onAction() const override;
    // Starts reading the connection's events; throws GlobalHotKeyRegistrationError::unavailable().
    void installEventHandlerIfNeeded() override;
    // Replaces the action's earlier shortcut. Throws GlobalHotKeyRegistrationError
    // registrationFailed(action, X error code), e.g. 10 (BadAccess) when another program
    // holds the combination, or 2 (BadValue) for a key the keyboard does not have.
    void registerShortcut(const KeyboardShortcut& shortcut, KeyboardShortcutAction action) override;
    void unregisterAll() override;

private:
    struct KeyGrab {
        std::uint32_t root;
        std::uint8_t keyCode;
        std::uint16_t modifiers;
    };

    static std::optional<std::string> sessionDisplay();
    std::vector<KeyGrab> grabsFor(const KeyboardShortcut& shortcut, KeyboardShortcutAction action) const;
    std::vector<std::uint8_t> keyCodesFor(const KeyboardShortcut& shortcut, KeyboardShortcutAction action) const;
    std::optional<std::int32_t> grab(const std::vector<KeyGrab>& grabs) const;
    void ungrab(const std::vector<KeyGrab>& grabs) const;
    void release(std::uint32_t id);
    void readEvents();
    void handle(const xcb_generic_event_t& event);
    void handleKeyPress(std::uint8_t keyCode, std::uint16_t state, std::uint32_t root);

    ActionHandler onAction_;
    xcb_connection_t* connection_ = nullptr;
    xcb_key_symbols_t* keySymbols_ = nullptr;
    std::unique_ptr<QSocketNotifier> eventReader_;
    std::map<std::uint32_t, std::vector<KeyGrab>> grabsById_;
    std::map<std::uint32_t, KeyboardShortcutAction> actionsById_;
};

}  // namespace quorbit
