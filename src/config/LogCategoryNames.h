#pragma once

namespace quorbit {

// Categories of the diagnostic lines that journald keeps. Plain C strings, as the logging
// macros take them.
struct LogCategoryNames {
    static constexpr const char* screenQR = "ru.velmorin.quorbit.ScreenQR";
    static constexpr const char* storage = "ru.velmorin.quorbit.Storage";
    static constexpr const char* session = "ru.velmorin.quorbit.Session";
};

}  // namespace quorbit
