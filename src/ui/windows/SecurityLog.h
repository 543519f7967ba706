#pragma once

#include <QWidget>

namespace quorbit {

class QuorbitViewModel;

class SecurityLog final : public QWidget {
    Q_OBJECT
public:
    explicit SecurityLog(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

private:
    QuorbitViewModel& viewModel_;
};

}  // namespace quorbit
