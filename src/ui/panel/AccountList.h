#pragma once

#include <map>
#include <vector>

#include "domain/OtpAccount.h"
#include "domain/Uuid.h"
#include "ui/panel/AccountRowAction.h"
#include "ui/panel/FramelessScrollArea.h"

class QVBoxLayout;

namespace quorbit {

class AccountRow;
class EmptyAccountsView;
class QuorbitViewModel;

// The panel's list: one row per visible account, kept by account id and refreshed in place on
// every tick (focus, hover, scroll position and an open context menu survive), or the selected
// filter's empty state. Order and membership are the view model's visible list.
class AccountList : public FramelessScrollArea {
    Q_OBJECT
public:
    explicit AccountList(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    AccountRow* row(const Uuid& id) const;
    // The rows in the order shown.
    std::vector<AccountRow*> rows() const;

private:
    void showAccounts();
    void placeRows(const std::vector<Uuid>& order);
    void refreshRows();
    void runAction(AccountRowAction action, const Uuid& id);

    QuorbitViewModel& viewModel_;
    QVBoxLayout* layout_;
    EmptyAccountsView* empty_;
    std::vector<OtpAccount> visible_;
    std::vector<Uuid> order_;
    std::map<Uuid, AccountRow*> rows_;
    std::vector<AccountRow*> shown_;  // in the order of visible_
};

}  // namespace quorbit
