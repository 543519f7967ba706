#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "application/usecases/SearchAccounts.h"
#include "domain/AccountFilterSelection.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

class ActionContext;

// The visible list, code display and copying a code.
class CodeCopying {
public:
    // How long a copied row keeps its mark.
    static constexpr std::chrono::milliseconds copiedMarkDuration{1200};

    explicit CodeCopying(ActionContext& context);

    std::vector<AccountFilterSelection> availableFilters() const;
    std::vector<OtpAccount> visibleAccounts() const;
    QCoro::Task<> primaryAction(OtpAccount account);
    void toggleCodeVisibility(const OtpAccount& account);
    QCoro::Task<> copyCode(OtpAccount account);
    std::optional<OtpAccount> quickAccessAccount() const;
    QCoro::Task<> copyQuickAccessCode();

private:
    QCoro::Task<std::string> stampAndSaveCode(Uuid accountId);
    void showCopied(const Uuid& accountId, const std::string& code);
    QCoro::Task<> clearCopiedMarkLater(Uuid accountId);

    ActionContext& context_;
    SearchAccounts search_;  // keeps the accounts' sort keys from one read of the list to the next
};

}  // namespace quorbit
