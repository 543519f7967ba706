#pragma once

#include <QWidget>

namespace quorbit {

class QuorbitViewModel;

class DataLifecycleCenter final : public QWidget {
    Q_OBJECT
public:
    explicit DataLifecycleCenter(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

private:
    QuorbitViewModel& viewModel_;
};

}  // namespace quorbit
