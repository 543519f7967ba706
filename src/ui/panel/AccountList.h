#pragma once

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include "domain/OtpAccount.h"
#include "domain/Uuid.h"
#include "ui/panel/AccountRowAction.h"
#include "ui/panel/FramelessScrollArea.h"

namespace quorbit {

class AccountRow;
class EmptyAccountsView;
class QuorbitViewModel;

// The panel's list: one row per visible account, or the selected filter's empty state. Order
// and membership are the view model's visible list. The stack is lazy: every account has its
// place from the start, but its row is made only when it comes near the view, and then kept by
// account id and refreshed in place (focus, hover, scroll position and an open context menu
// survive). A tick refreshes only the rows in view, unless an assistive tool is listening;
// a row scrolled into view is refreshed as it comes.
class AccountList : public FramelessScrollArea {
    Q_OBJECT
public:
    explicit AccountList(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    // The row made for the account, if it has come near the view.
    AccountRow* row(const Uuid& id) const;
    // The rows made so far, in the order shown.
    std::vector<AccountRow*> rows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showAccounts();
    void placeRows();
    void placeMadeRows();
    void followView();
    void makeRowsNearView();
    void refreshRowsInView();
    void refreshMadeRows();
    void refreshRow(std::size_t index);
    // The indices of the accounts whose places meet the view widened by `margin` above and below.
    std::pair<std::size_t, std::size_t> indicesInView(int margin) const;
    void chainFocus();
    QWidget* focusableBefore() const;
    void runAction(AccountRowAction action, const Uuid& id);

    QuorbitViewModel& viewModel_;
    EmptyAccountsView* empty_;
    QWidget* canvas_;  // as tall as all the places; the rows sit on it at theirs
    std::vector<OtpAccount> visible_;
    std::vector<int> tops_;           // of each place on the canvas
    std::vector<int> heights_;        // of each place
    std::vector<AccountRow*> shown_;  // in the order of visible_; null where no row is made yet
    std::map<Uuid, AccountRow*> rows_;
};

}  // namespace quorbit
