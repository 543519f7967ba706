#include "ui/panel/AccountList.h"

#include <algorithm>
#include <unordered_set>

#include <QAccessible>
#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/panel/AccountRow.h"
#include "ui/panel/EmptyAccountsView.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

constexpr int rowSpacing = 8;

}  // namespace

AccountList::AccountList(QuorbitViewModel& viewModel, QWidget* parent)
    : FramelessScrollArea(parent), viewModel_(viewModel), empty_(new EmptyAccountsView), canvas_(new QWidget) {
    // The rows are the stops: a frameless list taking the focus itself would show nothing.
    setFocusPolicy(Qt::NoFocus);
    setObjectName(objectnames::panel::accountList);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(rowSpacing);
    layout->addWidget(empty_);
    layout->addWidget(canvas_);
    layout->addStretch();
    canvas_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    canvas_->installEventFilter(this);

    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContent(content);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &AccountList::followView);
    QuorbitViewModel* model = &viewModel_;
    connect(model, &QuorbitViewModel::accountsChanged, this, &AccountList::showAccounts);
    connect(model, &QuorbitViewModel::queryChanged, this, &AccountList::showAccounts);
    connect(model, &QuorbitViewModel::settingsChanged, this, &AccountList::showAccounts);
    connect(model, &QuorbitViewModel::codesChanged, this, &AccountList::refreshRowsInView);
    connect(model, &QuorbitViewModel::revealedChanged, this, &AccountList::refreshRowsInView);
    showAccounts();
}

AccountRow* AccountList::row(const Uuid& id) const {
    const auto found = rows_.find(id);
    return found == rows_.end() ? nullptr : found->second;
}

std::vector<AccountRow*> AccountList::rows() const {
    std::vector<AccountRow*> made;
    std::copy_if(shown_.begin(), shown_.end(), std::back_inserter(made),
                 [](AccountRow* row) { return row != nullptr; });
    return made;
}

void AccountList::showAccounts() {
    visible_ = viewModel_.visibleAccounts();
    std::unordered_set<Uuid> ids;
    for (const OtpAccount& account : visible_) ids.insert(account.id);
    for (auto it = rows_.begin(); it != rows_.end();) {
        if (ids.contains(it->first)) {
            ++it;
            continue;
        }
        it->second->hide();
        it->second->deleteLater();
        it = rows_.erase(it);
    }
    shown_.assign(visible_.size(), nullptr);
    for (std::size_t i = 0; i < visible_.size(); ++i) {
        if (const auto found = rows_.find(visible_[i].id); found != rows_.end()) shown_[i] = found->second;
    }
    empty_->setFilter(viewModel_.settings().selectedAccountFilter, viewModel_.settings().language);
    empty_->setVisible(visible_.empty());
    canvas_->setVisible(!visible_.empty());
    placeRows();
    refreshMadeRows();  // rows made earlier show their account as it is now, wherever they are
    makeRowsNearView();
    chainFocus();
}

// Every account has its place, whether its row is made or not; rows move, none is rebuilt.
void AccountList::placeRows() {
    const AccountRow::LineHeights lines;
    tops_.resize(visible_.size());
    heights_.resize(visible_.size());
    int top = 0;
    for (std::size_t i = 0; i < visible_.size(); ++i) {
        tops_[i] = top;
        heights_[i] = AccountRow::preferredHeight(visible_[i], lines);
        top += heights_[i] + rowSpacing;
    }
    canvas_->setFixedHeight(visible_.empty() ? 0 : top - rowSpacing);
    placeMadeRows();
}

void AccountList::placeMadeRows() {
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i]) shown_[i]->setGeometry(0, tops_[i], canvas_->width(), heights_[i]);
    }
}

// What comes into view is made and shows the current state.
void AccountList::followView() {
    makeRowsNearView();
    refreshRowsInView();
}

// Rows within one view's height above and below are made too, so that the keyboard can move
// on to the next row and a short scroll finds it ready.
void AccountList::makeRowsNearView() {
    if (!isVisible() || visible_.empty()) return;
    const auto [first, last] = indicesInView(viewport()->height());
    bool made = false;
    for (std::size_t i = first; i < last; ++i) {
        if (shown_[i]) continue;
        auto* row = new AccountRow(canvas_);
        connect(row, &AccountRow::actionRequested, this, &AccountList::runAction);
        rows_.emplace(visible_[i].id, row);
        shown_[i] = row;
        row->setGeometry(0, tops_[i], canvas_->width(), heights_[i]);
        refreshRow(i);
        row->show();
        made = true;
    }
    if (made) chainFocus();
}

// A thousand rows refreshed every second cost more than the rest of a tick; the rows out of
// view are refreshed when they come back. An assistive tool may read any row, so then all are.
void AccountList::refreshRowsInView() {
    if (QAccessible::isActive()) {
        refreshMadeRows();
        return;
    }
    if (!isVisible()) return;
    const auto [first, last] = indicesInView(0);
    for (std::size_t i = first; i < last; ++i) {
        if (shown_[i]) refreshRow(i);
    }
}

void AccountList::refreshMadeRows() {
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i]) refreshRow(i);
    }
}

void AccountList::refreshRow(std::size_t index) {
    const OtpAccount& account = visible_[index];
    const auto& codes = viewModel_.codes();
    const auto& seconds = viewModel_.secondsRemaining();
    const auto code = codes.find(account.id);
    const auto left = seconds.find(account.id);
    shown_[index]->refresh(account, code == codes.end() ? std::nullopt : std::optional(code->second),
                           left == seconds.end() ? account.period : left->second,
                           viewModel_.copiedAccountID() == account.id,
                           viewModel_.revealedAccountIDs().contains(account.id), viewModel_.settings());
}

std::pair<std::size_t, std::size_t> AccountList::indicesInView(int margin) const {
    const int top = canvas_->mapFrom(viewport(), QPoint(0, 0)).y() - margin;
    const int bottom = top + viewport()->height() + 2 * margin;
    auto first = std::size_t(std::upper_bound(tops_.begin(), tops_.end(), top) - tops_.begin());
    if (first > 0 && tops_[first - 1] + heights_[first - 1] > top) --first;
    const auto last = std::size_t(std::lower_bound(tops_.begin(), tops_.end(), bottom) - tops_.begin());
    return {first, std::max(first, last)};
}

// Tab follows the order shown, not the order in which the rows were made (after everything
// else of the window), and goes from the control above the list straight to its first row.
void AccountList::chainFocus() {
    QWidget* previous = focusableBefore();
    for (AccountRow* row : shown_) {
        if (!row) continue;
        if (previous) QWidget::setTabOrder(previous, row);
        previous = row;
    }
}

QWidget* AccountList::focusableBefore() const {
    for (QWidget* widget = previousInFocusChain(); widget && widget != this; widget = widget->previousInFocusChain()) {
        if (!isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus)) return widget;
    }
    return nullptr;
}

bool AccountList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        placeMadeRows();
        followView();
    }
    return FramelessScrollArea::eventFilter(watched, event);
}

void AccountList::resizeEvent(QResizeEvent* event) {
    FramelessScrollArea::resizeEvent(event);
    followView();
}

void AccountList::showEvent(QShowEvent* event) {
    FramelessScrollArea::showEvent(event);
    followView();
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
