#include "domain/SecurityEventRedaction.h"

#include <algorithm>
#include <array>

namespace quorbit {

namespace {

constexpr std::string_view scheme = "otpauth://";
constexpr std::array<std::string_view, 3> sensitiveKeyWords{"secret", "password", "code"};

// ASCII folding suffices: no other character folds onto the letters of these words.
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string asciiLowercased(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), asciiLower);
    return lower;
}

bool isSensitiveKey(std::string_view key) {
    const std::string lower = asciiLowercased(key);
    return std::ranges::any_of(sensitiveKeyWords,
                               [&](std::string_view word) { return lower.find(word) != std::string::npos; });
}

}  // namespace

std::string SecurityEventRedaction::sanitized(std::string_view text) {
    const std::size_t start = asciiLowercased(text).find(scheme);
    if (start == std::string::npos) return std::string(text);
    return std::string(text.substr(0, start)).append(scheme).append(redacted);
}

std::map<std::string, std::string> SecurityEventRedaction::redactedMetadata(
    const std::map<std::string, std::string>& metadata) {
    std::map<std::string, std::string> result;
    for (const auto& [key, value] : metadata) {
        result.emplace(key, isSensitiveKey(key) ? std::string(redacted) : sanitized(value));
    }
    return result;
}

}  // namespace quorbit
