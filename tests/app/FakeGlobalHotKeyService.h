#pragma once

#include <map>
#include <optional>
#include <vector>

#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "application/ports/GlobalHotKeyService.h"

namespace quorbit::test {

// Records registrations; a test can make the session lack key grabs or refuse one action.
class FakeGlobalHotKeyService final : public GlobalHotKeyService {
public:
    void setOnAction(ActionHandler handler) override { onAction_ = std::move(handler); }
    const ActionHandler& onAction() const override { return onAction_; }
    void installEventHandlerIfNeeded() override {
        if (unavailable) throw GlobalHotKeyRegistrationError::unavailable();
    }
    void registerShortcut(const KeyboardShortcut& shortcut, KeyboardShortcutAction action) override {
        if (refused == action) throw GlobalHotKeyRegistrationError::registrationFailed(action, 10);
        registered[action] = shortcut;
    }
    void unregisterAll() override {
        registered.clear();
        ++unregisterCount;
    }

    bool unavailable = false;
    std::optional<KeyboardShortcutAction> refused;
    std::map<KeyboardShortcutAction, KeyboardShortcut> registered;
    int unregisterCount = 0;

private:
    ActionHandler onAction_;
};

}  // namespace quorbit::test
