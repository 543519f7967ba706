#pragma once

#include <unicode/locid.h>

namespace quorbit::test {

// Switches ICU's default locale for one test and restores the previous one afterwards.
class DefaultLocaleGuard {
public:
    explicit DefaultLocaleGuard(const char* name) : previous_(icu::Locale::getDefault()) { set(icu::Locale(name)); }
    ~DefaultLocaleGuard() { set(previous_); }
    DefaultLocaleGuard(const DefaultLocaleGuard&) = delete;
    DefaultLocaleGuard& operator=(const DefaultLocaleGuard&) = delete;

private:
    static void set(const icu::Locale& locale) {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(locale, status);
    }
    icu::Locale previous_;
};

}  // namespace quorbit::test
