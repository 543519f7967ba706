#pragma once

#include <array>
#include <string>
#include <string_view>

#include "domain/AppLanguage.h"
#include "domain/SecurityEvent.h"
#include "domain/SecurityEventKind.h"

namespace quorbit {

// The Security Log's categories; every kind lies in exactly one of the three named ones.
enum class SecurityEventFilter { all, importAndBackup, accounts, security };

inline constexpr std::array<SecurityEventFilter, 4> allSecurityEventFilters{
    SecurityEventFilter::all, SecurityEventFilter::importAndBackup, SecurityEventFilter::accounts,
    SecurityEventFilter::security};

std::string_view rawValue(SecurityEventFilter filter);
std::string title(SecurityEventFilter filter, AppLanguage language);

// Looks at the event's kind only.
bool matches(SecurityEventFilter filter, const SecurityEvent& event);
bool matches(SecurityEventFilter filter, SecurityEventKind kind);

}  // namespace quorbit
