#pragma once

#include <stdexcept>

namespace quorbit {

// The session has no X11 server to grab keys on (pure Wayland, or no connection). The text
// reaches the user through AppLocalizer's "Shortcut error: " line.
class GlobalHotKeysUnavailableError : public std::runtime_error {
public:
    GlobalHotKeysUnavailableError()
        : std::runtime_error("Global shortcuts are not available in this session (no X11 display).") {}
};

}  // namespace quorbit
