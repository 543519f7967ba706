#pragma once

namespace quorbit {

// Which introduction the panel shows.
enum class OnboardingMode { full, shortIntro };

}  // namespace quorbit
