#include "application/services/VaultSession.h"

namespace quorbit {

VaultSession::VaultSession(VaultUnlocking& unlocker, const Clock& clock, Timeout timeout)
    : unlocker_(unlocker), clock_(clock), timeout_(timeout) {}

bool VaultSession::isUnlocked() const {
    std::lock_guard guard(mutex_);
    return isUnlockedLocked();
}

bool VaultSession::unlock(const std::string& reason) {
    if (extendIfUnlocked()) return true;
    // The owner may take a while to answer; other operations go on meanwhile.
    if (!unlocker_.unlock(reason)) return false;
    std::lock_guard guard(mutex_);
    extendLocked();
    return true;
}

bool VaultSession::extendIfUnlocked() {
    std::lock_guard guard(mutex_);
    if (!isUnlockedLocked()) return false;
    extendLocked();
    return true;
}

void VaultSession::lock() {
    std::lock_guard guard(mutex_);
    unlockedUntil_.reset();
}

void VaultSession::updateTimeout(Timeout timeout) {
    std::lock_guard guard(mutex_);
    timeout_ = timeout;
    if (isUnlockedLocked()) extendLocked();
}

bool VaultSession::isUnlockedLocked() const { return unlockedUntil_ && *unlockedUntil_ > clock_.now(); }

void VaultSession::extendLocked() { unlockedUntil_ = timeout_ ? clock_.now() + *timeout_ : TimePoint::max(); }

}  // namespace quorbit
