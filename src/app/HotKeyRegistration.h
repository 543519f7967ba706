#pragma once

#include <optional>

#include <QString>

#include "application/settings/AppSettings.h"

namespace quorbit {

class GlobalHotKeyService;
class QuorbitViewModel;

// Registers the two global shortcuts from the settings, all over again each time. A failure
// (the same combination twice, no key grabs in this session, a combination held elsewhere)
// becomes the status line; the first shortcut stays when only the second fails. The next
// successful registration clears that line again, unless something else replaced it.
class HotKeyRegistration {
public:
    HotKeyRegistration(GlobalHotKeyService& service, QuorbitViewModel& viewModel);

    void registerHotKeys(const AppSettings& settings);

private:
    void registerAll(const AppSettings& settings);

    GlobalHotKeyService& service_;
    QuorbitViewModel& viewModel_;
    std::optional<QString> hotKeyStatusMessage_;
};

}  // namespace quorbit
