#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <string>

#include "application/ports/Clock.h"
#include "application/ports/VaultUnlocking.h"
#include "domain/TimePoint.h"

namespace quorbit {

// Whether the vault is unlocked, in memory only: every run starts locked. Safe to call from
// any thread; each operation runs alone, and `unlock` does not hold the session while the
// owner is asked. Only a successful `unlock` turns a locked session into an unlocked one.
class VaultSession {
public:
    using Timeout = std::optional<std::chrono::seconds>;  // none: never expires

    VaultSession(VaultUnlocking& unlocker, const Clock& clock, Timeout timeout);

    bool isUnlocked() const;
    // Extends an unlocked session without asking; otherwise asks the owner with the reason.
    bool unlock(const std::string& reason);
    // Moves the deadline when still unlocked; a locked session stays locked.
    bool extendIfUnlocked();
    void lock();
    // A running session restarts its interval with the new length; a locked one stays locked.
    void updateTimeout(Timeout timeout);

private:
    bool isUnlockedLocked() const;
    void extendLocked();

    VaultUnlocking& unlocker_;
    const Clock& clock_;
    mutable std::mutex mutex_;
    Timeout timeout_;
    std::optional<TimePoint> unlockedUntil_;
};

}  // namespace quorbit
