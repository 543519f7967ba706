#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <QWidget>

#include <qcoro/qcorotask.h>

#include "domain/GoogleAuthAccount.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorbit {

class AccountImportRow;
class QuorbitViewModel;

// The accounts of one migration payload with a tick box each; imports the ticked ones through
// the view model. A failure stays in the window as red text. Cancel, Escape, the close button
// and a successful import complete the window; its completion runs once, however many of them
// happen.
class MigrationImportWindow final : public QWidget {
    Q_OBJECT
public:
    MigrationImportWindow(QuorbitViewModel& viewModel, std::vector<GoogleAuthAccount> accounts, bool isFinalBatch,
                          std::function<void()> onComplete, QWidget* parent = nullptr);

    const std::set<int>& selectedIndices() const { return selectedIndices_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Completion = std::shared_ptr<std::function<void()>>;

    QWidget* buildPanel(bool isFinalBatch);
    QWidget* buildList();
    QWidget* buildBatchNotice();
    QLayout* buildActions();
    void toggleSelection(int index);
    QCoro::Task<> importSelected();
    void setImporting(bool importing);
    void showError(const std::optional<QString>& message);
    void showState();
    void showTexts();
    // Closes the window on the next turn of the event loop, then completes: never inside the
    // button's own click.
    static void finishLater(QWidget* window, Completion completion);
    static void complete(const Completion& completion);

    QuorbitViewModel& viewModel_;
    std::vector<GoogleAuthAccount> accounts_;
    Completion completion_;
    std::set<int> selectedIndices_;
    bool isImporting_ = false;
    std::vector<AccountImportRow*> rows_;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QLabel* batchText_ = nullptr;
    QLabel* error_ = nullptr;
    QWidget* errorDivider_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* import_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace quorbit
