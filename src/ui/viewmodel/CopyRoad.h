#pragma once

#include <optional>
#include <vector>

#include <qcoro/qcorotask.h>

#include "domain/AccountFilterSelection.h"
#include "domain/OtpAccount.h"

namespace quorbit {

class ActionContext;

// The visible list, code display and copying a code.
class CopyRoad {
public:
    explicit CopyRoad(ActionContext& context);

    std::vector<AccountFilterSelection> availableFilters() const;
    std::vector<OtpAccount> visibleAccounts() const;
    QCoro::Task<> primaryAction(OtpAccount account);
    void toggleCodeVisibility(const OtpAccount& account);
    QCoro::Task<> copyCode(OtpAccount account);
    std::optional<OtpAccount> quickAccessAccount() const;
    QCoro::Task<> copyQuickAccessCode();

private:
    ActionContext& context_;
};

}  // namespace quorbit
