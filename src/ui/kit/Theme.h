#pragma once

#include <QPalette>

#include "application/settings/AppTheme.h"

namespace quorbit {

// Fusion (with control outlines of our own) and our light and dark palettes. "System" picks the
// one that matches the palette the application had before the first apply() (there is no
// colour-scheme API to ask).
class Theme {
public:
    // Sets the style and palette application-wide; call once at start and on every change.
    static void apply(AppTheme theme);
    static bool resolvesToDark(AppTheme theme);
    static QPalette palette(bool dark);

private:
    static bool startedDark();
};

}  // namespace quorbit
