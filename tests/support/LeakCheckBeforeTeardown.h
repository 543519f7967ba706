#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace quorbit::test {

// Qt stops its own threads while the application object is destroyed, and LeakSanitizer's
// exit check has crashed on a thread still tearing down. Checking before that, while every
// thread waits idle, sees the same leaks: the tests' own objects are gone by then.
inline void checkForLeaksBeforeTeardown() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
}

}  // namespace quorbit::test
