#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "application/settings/AppSettings.h"
#include "application/text/AppLocalizer.h"
#include "domain/OtpAccount.h"
#include "domain/TimePoint.h"

namespace quorbit::screens {

// What one picture is drawn with: each screen is drawn in English and Russian, light and dark.
struct ScreenContext {
    AppLanguage language = AppLanguage::english;
    bool dark = false;
    TimePoint now;
    std::vector<OtpAccount> accounts;
    AppSettings settings;  // defaults, with this language and theme

    AppLocalizer localizer() const { return AppLocalizer(language); }
};

// Builds the widget to photograph. A widget without a size of its own is given its size hint.
using ScreenBuilder = std::function<std::unique_ptr<QWidget>(const ScreenContext&)>;

struct Screen {
    std::string name;  // file name stem: lower case, words joined by '-'
    ScreenBuilder build;
};

// Every screen source file registers its screens with a static ScreenRegistration, so adding a
// file adds its pictures without a central list.
class ScreenRegistry {
public:
    static ScreenRegistry& instance();
    void add(Screen screen);
    std::vector<Screen> screens() const;  // sorted by name

private:
    std::vector<Screen> screens_;
};

struct ScreenRegistration {
    ScreenRegistration(std::string name, ScreenBuilder build);
};

// A window-coloured backdrop `width` wide with 12 px margins around `content`, as in the panel.
std::unique_ptr<QWidget> onBackdrop(std::unique_ptr<QWidget> content, int width);
// Several widgets one under the other on such a backdrop, 8 px apart.
std::unique_ptr<QWidget> stackedOnBackdrop(std::vector<std::unique_ptr<QWidget>> contents, int width);

}  // namespace quorbit::screens
