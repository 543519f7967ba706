#include "domain/AppLanguage.h"

#include "domain/UnicodeText.h"

namespace quorbit {

std::string title(AppLanguage language, AppLanguage) {
    return language == AppLanguage::russian ? "Русский" : "English";
}

AppLanguage appLanguageForPreferredLanguages(std::span<const std::string> preferredLanguages) {
    for (const std::string& language : preferredLanguages) {
        if (UnicodeText::lowercased(language).starts_with("ru")) return AppLanguage::russian;
    }
    return AppLanguage::english;
}

}  // namespace quorbit
