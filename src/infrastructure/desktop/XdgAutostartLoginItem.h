#pragma once

#include <filesystem>
#include <string>

#include "application/ports/LoginItemService.h"

namespace quorbit {

// Launch at login through the freedesktop autostart entry
// $XDG_CONFIG_HOME/autostart/quorbit.desktop (default ~/.config). The folder is looked up
// on every call, so the environment of the moment counts.
class XdgAutostartLoginItem : public LoginItemService {
public:
    // The program the entry starts; by default the one running now, so an installed program
    // starts itself and a build tree's program its own binary.
    explicit XdgAutostartLoginItem(std::filesystem::path executable = runningExecutable());

    // On while the entry exists, is not hidden (the desktop's way of switching it off) and
    // starts this program; an entry left by another copy counts as off and is replaced when
    // turned on.
    bool isEnabled() const override;
    // Writes the entry atomically (mode 0600) or removes it; does nothing when the state is
    // already the wanted one. Throws QuorbitError::fileWriteFailed.
    void setEnabled(bool enabled) override;

    static std::filesystem::path entryPath();

private:
    static std::filesystem::path runningExecutable();
    std::string entryText() const;
    std::string execLine() const;

    std::filesystem::path executable_;
};

}  // namespace quorbit
