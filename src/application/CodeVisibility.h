#pragma once

#include <optional>

#include "application/settings/AppSettings.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

// Whether a row shows its code rather than the mask. The just-copied account always does; with
// copy-on-click off a click reveals, so only revealed codes show; otherwise codes show unless
// they are hidden by default, and then only the revealed ones.
bool codeVisible(const OtpAccount& account, const std::optional<Uuid>& copiedId, bool isRevealed,
                 const AppSettings& settings);

// The same for any set of revealed ids that offers contains() (std::set, std::unordered_set).
template <typename IdSet>
bool codeVisible(const OtpAccount& account, const std::optional<Uuid>& copiedId, const IdSet& revealedIds,
                 const AppSettings& settings) {
    return codeVisible(account, copiedId, revealedIds.contains(account.id), settings);
}

}  // namespace quorbit
