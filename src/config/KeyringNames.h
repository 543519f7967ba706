#pragma once

#include <string_view>

namespace quorbit {

// How account secrets are named in the Secret Service keyring. Items are found by their
// `service` attribute; the legacy service is the earlier product's.
struct KeyringNames {
    static constexpr std::string_view service = "Quorbit TOTP Secrets";
    static constexpr std::string_view legacyService = "Tallyo TOTP Secrets";
    static constexpr std::string_view schema = "ru.velmorin.quorbit.TotpSecret";
    static constexpr std::string_view itemLabel = "Quorbit TOTP secret";
};

}  // namespace quorbit
