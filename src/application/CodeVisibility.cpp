#include "application/CodeVisibility.h"

namespace quorbit {

bool codeVisible(const OtpAccount& account, const std::optional<Uuid>& copiedId, bool isRevealed,
                 const AppSettings& settings) {
    if (copiedId == account.id) return true;
    if (!settings.copyCodeOnClick) return isRevealed;
    return !settings.hideCodesByDefault || isRevealed;
}

}  // namespace quorbit
