#pragma once

#include "application/ports/ClipboardService.h"

namespace quorbit {

// The system clipboard through QClipboard. Codes carry the password-manager hint so that
// clipboard managers keep no history of them, and a delayed clearing removes a code only
// while the clipboard still holds it.
class MacClipboardService : public ClipboardService {
public:
    // Works from any thread: the clipboard itself is touched on the GUI thread.
    void copyEphemeral(const std::string& text, std::optional<std::chrono::seconds> clearAfter) override;
};

}  // namespace quorbit
