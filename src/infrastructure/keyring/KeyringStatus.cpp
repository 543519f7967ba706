#include "infrastructure/keyring/KeyringStatus.h"

#include "domain/QuorbitError.h"

namespace quorbit {

bool KeyringStatus::isAccessDenied(std::int32_t status) noexcept {
    return status == interactionNotAllowed || status == authFailed || status == notAvailable;
}

std::optional<std::string> KeyringStatus::description(std::int32_t status) {
    switch (status) {
    case interactionNotAllowed: return "the keyring is locked and cannot ask to be unlocked now";
    case authFailed: return "the keyring stayed locked because its unlock prompt was dismissed";
    case notAvailable: return std::string(QuorbitError::keychainUnavailableDetail);
    default: return std::nullopt;
    }
}

}  // namespace quorbit
