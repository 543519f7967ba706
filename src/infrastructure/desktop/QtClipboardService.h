#pragma once

#include <functional>

#include "application/ports/ClipboardService.h"

namespace quorbit {

// The system clipboard through QClipboard. Codes carry the password-manager hint so that
// clipboard managers keep no history of them, and a delayed clearing removes a code only
// while the clipboard still holds it.
class QtClipboardService : public ClipboardService {
public:
    // Runs `clearing` on the GUI thread once `delay` has passed; tests schedule by hand.
    using ClearingScheduler = std::function<void(std::chrono::seconds delay, std::function<void()> clearing)>;

    // Clearings run on a Qt timer of the application.
    QtClipboardService();
    explicit QtClipboardService(ClearingScheduler scheduleClearing);

    // Works from any thread: the clipboard itself is touched on the GUI thread.
    void copyEphemeral(const std::string& text, std::optional<std::chrono::seconds> clearAfter) override;

private:
    void copyOnGuiThread(const std::string& text, std::optional<std::chrono::seconds> clearAfter) const;

    ClearingScheduler scheduleClearing_;
};

}  // namespace quorbit
