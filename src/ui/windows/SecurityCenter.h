#pragma once

#include <QWidget>

namespace quorbit {

class QuorbitViewModel;

class SecurityCenter final : public QWidget {
    Q_OBJECT
public:
    explicit SecurityCenter(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

private:
    QuorbitViewModel& viewModel_;
};

}  // namespace quorbit
