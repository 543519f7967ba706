#pragma once

#include <QString>

#include "domain/AppLanguage.h"

namespace quorbit {

// A view's own literal in the interface language: the Russian text for Russian, English otherwise.
inline QString localized(AppLanguage language, const char* english, const char* russian) {
    return QString::fromUtf8(language == AppLanguage::russian ? russian : english);
}

}  // namespace quorbit
