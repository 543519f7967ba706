#include "application/settings/SystemLanguage.h"

#include <cstdlib>
#include <sstream>

namespace quorbit {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

// The gettext order: LANGUAGE lists the preferences, the first locale variable set gives one more.
std::vector<std::string> SystemLanguage::preferredLanguages() {
    std::vector<std::string> languages;
    std::istringstream list(environment("LANGUAGE"));
    for (std::string entry; std::getline(list, entry, ':');) {
        if (!entry.empty()) languages.push_back(entry);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (std::string locale = environment(name); !locale.empty()) {
            languages.push_back(locale);
            break;
        }
    }
    return languages;
}

AppLanguage SystemLanguage::appLanguage() { return appLanguageForPreferredLanguages(preferredLanguages()); }

}  // namespace quorbit
