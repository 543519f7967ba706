#include "infrastructure/auth/PamVaultUnlocker.h"

#include <pwd.h>
#include <security/pam_appl.h>
#include <unistd.h>

#include <vector>

#include "infrastructure/auth/PamConversation.h"

namespace quorbit {

PamVaultUnlocker::PamVaultUnlocker(OwnerAuthenticationPrompter& prompter, std::string service)
    : prompter_(prompter), service_(std::move(service)) {}

// A refused password keeps the prompt open for another try, as a login does; each try is a
// transaction of its own, so that no module reuses the refused answer.
bool PamVaultUnlocker::unlock(const std::string& reason) {
    const auto user = currentUserName();
    if (!user) return false;
    PamConversation conversation(prompter_, reason);
    for (int attempt = 1;; ++attempt) {
        const Outcome outcome = authenticate(*user, conversation);
        const bool refusedAnswer = outcome == Outcome::refused && conversation.takeTypedAnswer();
        if (!refusedAnswer || attempt == maxAttempts) return outcome == Outcome::authenticated;
        conversation.answerRefused();
    }
}

PamVaultUnlocker::Outcome PamVaultUnlocker::authenticate(const std::string& user, PamConversation& conversation) {
    pam_handle_t* handle = nullptr;
    int status = pam_start(service_.c_str(), user.c_str(), conversation.conversation(), &handle);
    if (status != PAM_SUCCESS) return Outcome::failed;
    // An account without a password must not open the vault.
    status = pam_authenticate(handle, PAM_DISALLOW_NULL_AUTHTOK);
    const bool refused = status == PAM_AUTH_ERR;
    if (status == PAM_SUCCESS) status = pam_acct_mgmt(handle, PAM_DISALLOW_NULL_AUTHTOK);
    pam_end(handle, status);
    if (status == PAM_SUCCESS) return Outcome::authenticated;
    return refused ? Outcome::refused : Outcome::failed;
}

std::optional<std::string> PamVaultUnlocker::currentUserName() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    return std::string(found->pw_name);
}

}  // namespace quorbit
