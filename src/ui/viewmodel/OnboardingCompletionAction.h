#pragma once

namespace quorbit {

// What follows a completed introduction.
enum class OnboardingCompletionAction { openApp, addAccount, importAccounts };

}  // namespace quorbit
