#include "ui/windows/MigrationImportWindow.h"

#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

MigrationImportWindow::MigrationImportWindow(QuorbitViewModel& viewModel, std::vector<GoogleAuthAccount> accounts,
                                             bool isFinalBatch, std::function<void()> onComplete, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel), accounts_(std::move(accounts)), isFinalBatch_(isFinalBatch),
      onComplete_(std::move(onComplete)) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(760, 640);
}

}  // namespace quorbit
