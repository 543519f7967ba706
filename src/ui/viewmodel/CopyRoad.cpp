#include "ui/viewmodel/CopyRoad.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

CopyRoad::CopyRoad(ActionContext& context) : context_(context) {}

std::vector<AccountFilterSelection> CopyRoad::availableFilters() const {
    return {};
}

std::vector<OtpAccount> CopyRoad::visibleAccounts() const {
    return {};
}

QCoro::Task<> CopyRoad::primaryAction(OtpAccount /*account*/) {
    co_return;
}

void CopyRoad::toggleCodeVisibility(const OtpAccount& /*account*/) {
}

QCoro::Task<> CopyRoad::copyCode(OtpAccount /*account*/) {
    co_return;
}

std::optional<OtpAccount> CopyRoad::quickAccessAccount() const {
    return std::nullopt;
}

QCoro::Task<> CopyRoad::copyQuickAccessCode() {
    co_return;
}

}  // namespace quorbit
