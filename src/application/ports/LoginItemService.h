#pragma once

namespace quorbit {

// Launch at login. `setEnabled` throws QuorbitError when the change cannot be made.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

}  // namespace quorbit
