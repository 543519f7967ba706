#pragma once

namespace quorbit {

// Keeps one auxiliary window for the run. `show()` brings a visible window to the front and
// otherwise builds a fresh one around a new view, centred, kept above the panel, and activates
// it; a window the user closed is rebuilt with fresh view state on the next `show()`.
class WindowHolder {
public:
    virtual ~WindowHolder() = default;
    virtual void show() = 0;
    // Closes the window if one is open; the holder stays usable.
    virtual void close() = 0;
};

}  // namespace quorbit
