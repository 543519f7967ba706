#include "infrastructure/desktop/ScreenCaptureGuidance.h"

#include "application/ports/DialogPresenter.h"
#include "application/text/AppLocalizer.h"
#include "domain/AppLanguage.h"

#include <string>

namespace quorbit {

ScreenCaptureGuidance::ScreenCaptureGuidance(DialogPresenter& dialogs) : dialogs_(dialogs) {}

PermissionRequestResult ScreenCaptureGuidance::prepareScreenCaptureAccess(const AppLocalizer&) {
    return PermissionRequestResult::proceed;
}

void ScreenCaptureGuidance::presentScreenCaptureDeniedGuidance(const AppLocalizer& localizer) {
    const AppLanguage language = localizer.language();
    const std::string message(localized(language,
                                        "Screen access is off. Allow Quorbit to take screenshots in system settings.",
                                        "Доступ к экрану отключен. Разрешите Quorbit делать снимки экрана в "
                                        "системных настройках."));
    dialogs_.showWarning(message, std::string(localized(language, "OK", "ОК")));
}

}  // namespace quorbit
