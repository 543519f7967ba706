#pragma once

#include "ui/viewmodel/ports/DesktopServices.h"

namespace quorbit {

// Folders and web addresses go to the desktop's own handlers (QDesktopServices).
class SystemDesktopServices final : public DesktopServices {
public:
    bool openUrl(const QUrl& url) override;
};

}  // namespace quorbit
