#include "infrastructure/desktop/ScreenCaptureGuidance.h"

#include "application/text/AppLocalizer.h"
#include "support/FakeDialogPresenter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quorbit {
namespace {

TEST(ScreenCaptureGuidanceTest, GoesOnWithoutAskingAndShowsGuidanceInTheLocalizersLanguage) {
    struct Case {
        AppLanguage language;
        std::string message;
        std::string button;
    };
    const std::vector<Case> cases{
        {AppLanguage::english, "Screen access is off. Allow Quorbit to take screenshots in system settings.", "OK"},
        {AppLanguage::russian,
         "Доступ к экрану отключен. Разрешите Quorbit делать снимки экрана в системных настройках.", "ОК"},
    };
    for (const Case& c : cases) {
        test::FakeDialogPresenter dialogs;
        ScreenCaptureGuidance coordinator(dialogs);
        const AppLocalizer localizer(c.language);
        EXPECT_EQ(coordinator.prepareScreenCaptureAccess(localizer), PermissionRequestResult::proceed);
        EXPECT_TRUE(dialogs.warnings().empty());
        coordinator.presentScreenCaptureDeniedGuidance(localizer);
        EXPECT_EQ(dialogs.warnings(), (std::vector<std::pair<std::string, std::string>>{{c.message, c.button}}));
    }
}

}  // namespace
}  // namespace quorbit
