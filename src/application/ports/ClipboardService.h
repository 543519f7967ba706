#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace quorbit {

// Puts a code on the clipboard and, when asked, clears it later if it still holds that code.
// Returns at once; never fails.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void copyEphemeral(const std::string& text, std::optional<std::chrono::seconds> clearAfter) = 0;
};

}  // namespace quorbit
