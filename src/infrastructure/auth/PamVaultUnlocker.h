#pragma once

#include <optional>
#include <string>

#include "application/ports/VaultUnlocking.h"
#include "config/DesktopNames.h"

namespace quorbit {

class OwnerAuthenticationPrompter;
class PamConversation;

// Asks the owner of the session to authenticate through PAM (its own service: the
// account password, or a fingerprint where the stack offers one). Blocks while the
// prompter's dialog is up, so it runs on the worker, never on the GUI thread.
class PamVaultUnlocker : public VaultUnlocking {
public:
    explicit PamVaultUnlocker(OwnerAuthenticationPrompter& prompter,
                              std::string service = std::string(DesktopNames::pamService));

    // Tries of a refused typed answer, the prompt staying open between them.
    static constexpr int maxAttempts = 3;

    // True only when the stack authenticated the owner and accepted the account; a
    // cancelled prompt, a wrong answer on the last try and an unusable stack all give false.
    bool unlock(const std::string& reason) override;

private:
    enum class Outcome { authenticated, refused, failed };

    // One transaction: refused is a wrong answer, failed anything else that did not succeed.
    Outcome authenticate(const std::string& user, PamConversation& conversation);
    static std::optional<std::string> currentUserName();

    OwnerAuthenticationPrompter& prompter_;
    std::string service_;
};

}  // namespace quorbit
