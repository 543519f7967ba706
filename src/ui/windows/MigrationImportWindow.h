#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "domain/GoogleAuthAccount.h"

namespace quorbit {

class QuorbitViewModel;

class MigrationImportWindow final : public QWidget {
    Q_OBJECT
public:
    MigrationImportWindow(QuorbitViewModel& viewModel, std::vector<GoogleAuthAccount> accounts, bool isFinalBatch,
                          std::function<void()> onComplete, QWidget* parent = nullptr);

private:
    QuorbitViewModel& viewModel_;
    std::vector<GoogleAuthAccount> accounts_;
    bool isFinalBatch_;
    std::function<void()> onComplete_;
};

}  // namespace quorbit
