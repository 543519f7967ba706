#include "application/settings/ClipboardClearDuration.h"

namespace quorbit {

std::string_view rawValue(ClipboardClearDuration duration) {
    switch (duration) {
    case ClipboardClearDuration::tenSeconds: return "tenSeconds";
    case ClipboardClearDuration::thirtySeconds: return "thirtySeconds";
    case ClipboardClearDuration::sixtySeconds: return "sixtySeconds";
    case ClipboardClearDuration::never: return "never";
    }
    return {};
}

std::string title(ClipboardClearDuration duration, AppLanguage language) {
    switch (duration) {
    case ClipboardClearDuration::tenSeconds: return std::string(localized(language, "10 sec", "10 сек"));
    case ClipboardClearDuration::thirtySeconds: return std::string(localized(language, "30 sec", "30 сек"));
    case ClipboardClearDuration::sixtySeconds: return std::string(localized(language, "60 sec", "60 сек"));
    case ClipboardClearDuration::never: return std::string(localized(language, "Never", "Никогда"));
    }
    return {};
}

std::optional<std::chrono::seconds> seconds(ClipboardClearDuration duration) {
    switch (duration) {
    case ClipboardClearDuration::tenSeconds: return std::chrono::seconds(10);
    case ClipboardClearDuration::thirtySeconds: return std::chrono::seconds(30);
    case ClipboardClearDuration::sixtySeconds: return std::chrono::seconds(60);
    case ClipboardClearDuration::never: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace quorbit
