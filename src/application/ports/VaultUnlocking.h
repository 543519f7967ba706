#pragma once

#include <string>

namespace quorbit {

// Asks the owner to authenticate. Blocks until answered; never fails: any refusal is false.
class VaultUnlocking {
public:
    virtual ~VaultUnlocking() = default;
    virtual bool unlock(const std::string& reason) = 0;
};

}  // namespace quorbit
