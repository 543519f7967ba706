#include "application/settings/MenuBarIcon.h"

namespace quorbit {

std::string_view rawValue(MenuBarIcon icon) {
    switch (icon) {
    case MenuBarIcon::shield: return "shield";
    case MenuBarIcon::checkmark: return "checkmark";
    case MenuBarIcon::monochrome: return "monochrome";
    }
    return {};
}

std::string title(MenuBarIcon icon, AppLanguage language) {
    switch (icon) {
    case MenuBarIcon::shield: return std::string(localized(language, "Shield", "Щит"));
    case MenuBarIcon::checkmark: return std::string(localized(language, "Checkmark", "Галочка"));
    case MenuBarIcon::monochrome: return std::string(localized(language, "Monochrome", "Монохром"));
    }
    return {};
}

}  // namespace quorbit
