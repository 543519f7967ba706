#pragma once

#include <string>
#include <vector>

#include "domain/AppLanguage.h"

namespace quorbit {

// The user's preferred languages as the locale environment gives them (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG), and the interface language they choose.
class SystemLanguage {
public:
    SystemLanguage() = delete;

    static std::vector<std::string> preferredLanguages();
    static AppLanguage appLanguage();
};

}  // namespace quorbit
