#include "ui/panel/AccountList.h"

#include <algorithm>

#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/panel/AccountRow.h"
#include "ui/panel/EmptyAccountsView.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

AccountList::AccountList(QuorbitViewModel& viewModel, QWidget* parent)
    : FramelessScrollArea(parent), viewModel_(viewModel), empty_(new EmptyAccountsView) {
    setObjectName(objectnames::panel::accountList);
    auto* content = new QWidget;
    layout_ = new QVBoxLayout(content);
    layout_->setContentsMargins(0, 2, 0, 2);
    layout_->setSpacing(8);
    layout_->addWidget(empty_);
    layout_->addStretch();

    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContent(content);

    QuorbitViewModel* model = &viewModel_;
    connect(model, &QuorbitViewModel::accountsChanged, this, &AccountList::showAccounts);
    connect(model, &QuorbitViewModel::queryChanged, this, &AccountList::showAccounts);
    connect(model, &QuorbitViewModel::settingsChanged, this, &AccountList::showAccounts);
    connect(model, &QuorbitViewModel::codesChanged, this, &AccountList::refreshRows);
    connect(model, &QuorbitViewModel::revealedChanged, this, &AccountList::refreshRows);
    showAccounts();
}

AccountRow* AccountList::row(const Uuid& id) const {
    const auto found = rows_.find(id);
    return found == rows_.end() ? nullptr : found->second;
}

std::vector<AccountRow*> AccountList::rows() const { return shown_; }

void AccountList::showAccounts() {
    visible_ = viewModel_.visibleAccounts();
    std::vector<Uuid> order;
    for (const OtpAccount& account : visible_) order.push_back(account.id);
    for (auto it = rows_.begin(); it != rows_.end();) {
        if (std::find(order.begin(), order.end(), it->first) != order.end()) {
            ++it;
            continue;
        }
        layout_->removeWidget(it->second);
        it->second->hide();
        it->second->deleteLater();
        it = rows_.erase(it);
    }
    for (const Uuid& id : order) {
        if (rows_.contains(id)) continue;
        auto* row = new AccountRow;
        connect(row, &AccountRow::actionRequested, this, &AccountList::runAction);
        rows_.emplace(id, row);
    }
    if (order != order_) placeRows(order);
    shown_.clear();
    for (const Uuid& id : order_) shown_.push_back(rows_.at(id));
    empty_->setFilter(viewModel_.settings().selectedAccountFilter, viewModel_.settings().language);
    empty_->setVisible(visible_.empty());
    refreshRows();
}

// Rows move within the layout; none is rebuilt.
void AccountList::placeRows(const std::vector<Uuid>& order) {
    for (const Uuid& id : order) layout_->removeWidget(rows_.at(id));
    int position = 0;
    for (const Uuid& id : order) layout_->insertWidget(position++, rows_.at(id));
    order_ = order;
}

void AccountList::refreshRows() {
    const auto& codes = viewModel_.codes();
    const auto& seconds = viewModel_.secondsRemaining();
    const auto& copied = viewModel_.copiedAccountID();
    const auto& revealed = viewModel_.revealedAccountIDs();
    // Row i shows visible_[i]: the tick looks up no row by id.
    for (std::size_t i = 0; i < visible_.size(); ++i) {
        const OtpAccount& account = visible_[i];
        const auto code = codes.find(account.id);
        const auto left = seconds.find(account.id);
        shown_[i]->refresh(account, code == codes.end() ? std::nullopt : std::optional(code->second),
                                      left == seconds.end() ? account.period : left->second,
                                      copied == account.id, revealed.contains(account.id), viewModel_.settings());
    }
}

// The account as the view model holds it now, so an action from a menu opened before a tick
// or a change still reaches the right record.
void AccountList::runAction(AccountRowAction action, const Uuid& id) {
    const auto& accounts = viewModel_.accounts();
    const auto found = std::find_if(accounts.begin(), accounts.end(), [&](const OtpAccount& a) { return a.id == id; });
    if (found == accounts.end()) return;
    const OtpAccount account = *found;
    // Operations are started and not awaited: their outcome comes back through the state.
    switch (action) {
    case AccountRowAction::primary: (void)viewModel_.primaryAction(account); break;
    case AccountRowAction::copy: (void)viewModel_.copyCode(account); break;
    case AccountRowAction::nextHotp: (void)viewModel_.advanceHotpCounter(account); break;
    case AccountRowAction::favorite: (void)viewModel_.toggleFavorite(account); break;
    case AccountRowAction::editOtpSettings: viewModel_.beginEditingTags(account); break;
    case AccountRowAction::trash: (void)viewModel_.moveToTrash(account); break;
    case AccountRowAction::restore: (void)viewModel_.restore(account); break;
    case AccountRowAction::deletePermanently: (void)viewModel_.deletePermanently(account); break;
    }
}

}  // namespace quorbit
