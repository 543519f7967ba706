#include "infrastructure/keyring/KeyringStatus.h"

namespace quorbit {

bool KeyringStatus::isAccessDenied(std::int32_t status) noexcept {
    return status == interactionNotAllowed || status == authFailed || status == notAvailable;
}

std::optional<std::string> KeyringStatus::description(std::int32_t status) {
    switch (status) {
    case interactionNotAllowed: return "the keyring is locked and cannot ask to be unlocked now";
    case authFailed: return "the keyring stayed locked because its unlock prompt was dismissed";
    case notAvailable:
        return "no Secret Service is running on the session bus; start a keyring service such as GNOME "
               "Keyring, KWallet or KeePassXC and try again";
    default: return std::nullopt;
    }
}

}  // namespace quorbit
