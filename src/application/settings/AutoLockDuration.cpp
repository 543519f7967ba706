#include "application/settings/AutoLockDuration.h"

namespace quorbit {

std::string_view rawValue(AutoLockDuration duration) {
    switch (duration) {
    case AutoLockDuration::oneMinute: return "oneMinute";
    case AutoLockDuration::fiveMinutes: return "fiveMinutes";
    case AutoLockDuration::fifteenMinutes: return "fifteenMinutes";
    case AutoLockDuration::thirtyMinutes: return "thirtyMinutes";
    case AutoLockDuration::never: return "never";
    }
    return {};
}

std::string title(AutoLockDuration duration, AppLanguage language) {
    switch (duration) {
    case AutoLockDuration::oneMinute: return std::string(localized(language, "1 min", "1 мин"));
    case AutoLockDuration::fiveMinutes: return std::string(localized(language, "5 min", "5 мин"));
    case AutoLockDuration::fifteenMinutes: return std::string(localized(language, "15 min", "15 мин"));
    case AutoLockDuration::thirtyMinutes: return std::string(localized(language, "30 min", "30 мин"));
    case AutoLockDuration::never: return std::string(localized(language, "Never", "Никогда"));
    }
    return {};
}

std::optional<std::chrono::seconds> timeout(AutoLockDuration duration) {
    using std::chrono::minutes;
    switch (duration) {
    case AutoLockDuration::oneMinute: return minutes(1);
    case AutoLockDuration::fiveMinutes: return minutes(5);
    case AutoLockDuration::fifteenMinutes: return minutes(15);
    case AutoLockDuration::thirtyMinutes: return minutes(30);
    case AutoLockDuration::never: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace quorbit
