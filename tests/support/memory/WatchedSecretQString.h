#pragma once

#include <string_view>

#include <QString>

#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit::test {

// The watched secret's Base32 text as a QString holds it, to look for in freed memory.
inline constexpr auto watchedSecretUtf16Bytes = utf16Of("T45FDRD6EKIAXVTEDCTTYVPBAKGUT5TQ");
inline constexpr std::string_view watchedSecretUtf16{watchedSecretUtf16Bytes.data(), watchedSecretUtf16Bytes.size()};

inline QString watchedSecretQString() {
    return QString::fromLatin1(watchedSecretBase32.data(), static_cast<qsizetype>(watchedSecretBase32.size()));
}

}  // namespace quorbit::test
