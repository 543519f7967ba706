#pragma once

#include <string>

#include "domain/AppLanguage.h"

namespace quorbit {

// What the owner is asked to unlock for; the prompt gives the reason.
enum class UnlockPurpose { showCodes, exportAccounts, deleteAccounts };

// The reason text of the owner's prompt, in the interface language.
std::string unlockReason(UnlockPurpose purpose, AppLanguage language);

}  // namespace quorbit
