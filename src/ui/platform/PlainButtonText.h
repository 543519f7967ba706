#pragma once

#include <string>

#include <QString>

namespace quorbit {

// A button or menu text shown as written: '&' is doubled so that Qt does not take it for a
// mnemonic.
inline QString plainButtonText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace quorbit
