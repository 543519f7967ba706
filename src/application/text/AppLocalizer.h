#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "application/settings/CodeFormat.h"
#include "domain/AccountFilterSelection.h"
#include "domain/AppLanguage.h"
#include "domain/OtpAccount.h"
#include "domain/SecurityEventKind.h"

namespace quorbit {

// The interface texts that are built from values, in English or Russian. Texts built from
// numbers never inflect: English puts the number between words, Russian after a colon.
class AppLocalizer {
public:
    explicit AppLocalizer(AppLanguage language) : language_(language) {}

    AppLanguage language() const noexcept { return language_; }

    // The user message for any failure. A QuorbitError is described by its case; a
    // std::system_error in the generic or system category by its errno value (file errors);
    // anything else by its own what(), unless that contains "checksum" or "keychain" in any
    // letter case. An error about one line of an imported text names that line first.
    std::string errorDescription(const std::exception& error) const;
    std::string hotKeyRegistrationError(const std::exception& error) const;

    std::string importedOtpAuthTokens(std::int64_t count) const;
    std::string importedTokens(std::int64_t count) const;
    // A running import in the status line, thousands separated ("Importing 2,500 of 10,000…").
    std::string importProgress(std::int64_t done, std::int64_t total) const;
    std::string importCancelled() const;
    std::string pbkdf2TooLowWarning(std::int64_t minimumIterations) const;
    std::string copied(std::string_view name) const;
    std::string launchAtLoginError(std::string_view detail) const;
    std::string diagnosticsError(std::string_view detail) const;
    std::string securityAuditSummary(std::int64_t critical, std::int64_t warnings, std::int64_t info) const;
    std::string securityEventDescription(SecurityEventKind kind) const;

    // The spoken label of an account row; for HOTP rows `seconds` is not used.
    std::string accountAccessibility(const OtpAccount& account, const std::optional<std::string>& code,
                                     std::int64_t seconds, bool codeVisible, CodeFormat codeFormat) const;

    std::string filterTitle(const AccountFilterSelection& filter) const;

private:
    std::string pick(std::string_view english, std::string_view russian) const;
    std::string choose(std::string english, std::string russian) const;
    std::string codeContinuation(const OtpAccount& account, const std::string& shownCode, std::int64_t seconds,
                                 bool codeVisible) const;

    AppLanguage language_;
};

}  // namespace quorbit
