#pragma once

#include "application/ports/PermissionRequestResult.h"

namespace quorbit {

class AppLocalizer;

// Explains and requests screen-capture access before a capture, and shows the guidance
// after a refusal.
class PermissionRequesting {
public:
    virtual ~PermissionRequesting() = default;
    virtual PermissionRequestResult prepareScreenCaptureAccess(const AppLocalizer& localizer) = 0;
    virtual void presentScreenCaptureDeniedGuidance(const AppLocalizer& localizer) = 0;
};

}  // namespace quorbit
