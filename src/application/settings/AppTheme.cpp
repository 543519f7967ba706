#include "application/settings/AppTheme.h"

namespace quorbit {

std::string_view rawValue(AppTheme theme) {
    switch (theme) {
    case AppTheme::system: return "system";
    case AppTheme::light: return "light";
    case AppTheme::dark: return "dark";
    }
    return {};
}

std::string title(AppTheme theme, AppLanguage language) {
    switch (theme) {
    case AppTheme::system: return std::string(localized(language, "System", "Системная"));
    case AppTheme::light: return std::string(localized(language, "Light", "Светлая"));
    case AppTheme::dark: return std::string(localized(language, "Dark", "Темная"));
    }
    return {};
}

}  // namespace quorbit
