#pragma once

#include <functional>

namespace quorbit {

// Tells when the computer goes to sleep, the screen locks or the screen saver starts, and
// when the user's session stops being the active one.
class SessionEventSource {
public:
    enum class Event { willSleep, screenLocked, sessionResignedActive };
    using Handler = std::function<void(Event)>;

    virtual ~SessionEventSource() = default;
    // Starts watching; the handler is then called on the GUI thread for every event. Called
    // once per run.
    virtual void watch(Handler handler) = 0;
};

}  // namespace quorbit
