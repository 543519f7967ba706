#pragma once

#include <string_view>

#include "domain/SecretBytes.h"

namespace quorbit::test {

// A secret whose Base32 text is distinctive enough to look for in freed memory.
inline const SecretBytes watchedSecret{0x9f, 0x3a, 0x51, 0xc4, 0x7e, 0x22, 0x90, 0x0b, 0xd6, 0x64,
                                       0x18, 0xa7, 0x3c, 0x55, 0xe1, 0x02, 0x8d, 0x49, 0xf6, 0x70};
constexpr std::string_view watchedSecretBase32 = "T45FDRD6EKIAXVTEDCTTYVPBAKGUT5TQ";

}  // namespace quorbit::test
