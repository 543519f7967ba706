#pragma once

#include "application/ports/PermissionRequesting.h"

namespace quorbit {

class DialogPresenter;

// Screen capture needs no permission on X11, and on Wayland the desktop portal asks the user
// itself, so there is nothing to explain beforehand. There is no privacy pane to open either:
// after a refusal the guidance text is shown on its own.
class ScreenCaptureGuidance : public PermissionRequesting {
public:
    explicit ScreenCaptureGuidance(DialogPresenter& dialogs);

    PermissionRequestResult prepareScreenCaptureAccess(const AppLocalizer& localizer) override;
    void presentScreenCaptureDeniedGuidance(const AppLocalizer& localizer) override;

private:
    DialogPresenter& dialogs_;
};

}  // namespace quorbit
