#pragma once

#include <string_view>

#include <QString>

#include "domain/AppLanguage.h"

namespace quorbit {

// A view's own literal in the interface language: the Russian text for Russian, English otherwise.
inline QString localized(AppLanguage language, const char* english, const char* russian) {
    return QString::fromUtf8(language == AppLanguage::russian ? russian : english);
}

// UTF-8 text of the core as a QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorbit
