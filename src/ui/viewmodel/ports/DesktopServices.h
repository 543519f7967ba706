#pragma once

#include <QUrl>

namespace quorbit {

// Hands folders and web addresses to the desktop's file browser and web browser.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // False when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

}  // namespace quorbit
