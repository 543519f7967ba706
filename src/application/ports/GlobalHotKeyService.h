#pragma once

#include <functional>

#include "application/settings/KeyboardShortcut.h"
#include "application/settings/KeyboardShortcutAction.h"

namespace quorbit {

// System-wide shortcuts. Registration throws GlobalHotKeyRegistrationError. The action
// handler is called on the GUI thread whenever a registered shortcut is pressed.
class GlobalHotKeyService {
public:
    using ActionHandler = std::function<void(KeyboardShortcutAction)>;

    virtual ~GlobalHotKeyService() = default;
    virtual void setOnAction(ActionHandler handler) = 0;
    virtual const ActionHandler& onAction() const = 0;
    virtual void installEventHandlerIfNeeded() = 0;
    virtual void registerShortcut(const KeyboardShortcut& shortcut, KeyboardShortcutAction action) = 0;
    virtual void unregisterAll() = 0;
};

}  // namespace quorbit
