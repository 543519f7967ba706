#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include <QWidget>

#include <qcoro/qcorotask.h>

#include "application/services/DataLifecycleAction.h"
#include "application/services/DataLifecycleCategory.h"
#include "application/services/DataLifecycleStats.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace quorbit {

class QuorbitViewModel;
class SymbolView;

// Reviews the stored accounts by lifecycle category (trash, untagged, unused for 180 days,
// HOTP) and acts on several at once through the view model. Loads its counts and lists itself;
// destructive steps are confirmed first.
class DataLifecycleCenter final : public QWidget {
    Q_OBJECT
public:
    explicit DataLifecycleCenter(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    bool isLoading() const noexcept { return loadsRunning_ > 0; }
    const std::optional<DataLifecycleCategory>& selectedCategory() const noexcept { return selectedCategory_; }
    const std::vector<OtpAccount>& accounts() const noexcept { return accounts_; }
    const std::set<Uuid>& selectedAccountIds() const noexcept { return selectedAccountIds_; }

    // Counts, then the chosen category's accounts. Only the latest load shows its result and
    // ends the loading state; a failure goes to the view model's status line.
    QCoro::Task<> loadData();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSidebar();
    void fitSidebar();
    QWidget* buildDetail();
    QWidget* buildSelectionBar();
    QWidget* buildEmptyState();
    QWidget* buildTagSheet();
    static void keepRoomWhenHidden(QWidget* widget, bool keep);
    QPushButton* actionButton(const char* objectName, const char* symbol, bool destructive);
    void chooseCategory(int row);
    void takeListSelection();
    void clearSelection();
    bool confirm(const char* titleEnglish, const char* titleRussian, const char* messageEnglish,
                 const char* messageRussian);
    void openTagSheet();
    QCoro::Task<> loadLatest(std::uint64_t generation);
    QCoro::Task<> perform(DataLifecycleAction action, bool keepsSelection);
    void showStats();
    void showAccounts();
    void showState();
    void showTexts();

    QuorbitViewModel& viewModel_;
    std::optional<DataLifecycleCategory> selectedCategory_;
    std::vector<OtpAccount> accounts_;
    std::set<Uuid> selectedAccountIds_;
    std::optional<DataLifecycleStats> stats_;
    bool started_ = false;
    int loadsRunning_ = 0;
    std::uint64_t loadGeneration_ = 0;

    QWidget* sidebar_ = nullptr;
    QLabel* sidebarTitle_ = nullptr;
    QListWidget* categories_ = nullptr;
    std::vector<QLabel*> categoryTitles_;
    std::vector<QLabel*> badges_;
    QStackedWidget* detail_ = nullptr;
    QWidget* loadingPage_ = nullptr;
    QLabel* prompt_ = nullptr;
    QWidget* categoryPage_ = nullptr;
    QLabel* selectionCount_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* addTag_ = nullptr;
    QPushButton* moveToTrash_ = nullptr;
    QPushButton* emptyTrash_ = nullptr;
    QStackedWidget* content_ = nullptr;
    QWidget* emptyState_ = nullptr;
    SymbolView* emptyIcon_ = nullptr;
    QLabel* emptyTitle_ = nullptr;
    QLabel* emptyMessage_ = nullptr;
    QListWidget* accountList_ = nullptr;
    QWidget* tagSheet_ = nullptr;
    QLabel* tagSheetTitle_ = nullptr;
    QLineEdit* tagField_ = nullptr;
    QPushButton* tagCancel_ = nullptr;
    QPushButton* tagSave_ = nullptr;
};

}  // namespace quorbit
