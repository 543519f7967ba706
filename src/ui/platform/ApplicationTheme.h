#pragma once

#include <QObject>

namespace quorbit {

class QuorbitViewModel;

// Keeps the application's style and palette on the theme of the settings: applied at once and
// again on every change, application-wide, so every window follows.
class ApplicationTheme final : public QObject {
    Q_OBJECT

public:
    explicit ApplicationTheme(QuorbitViewModel& viewModel, QObject* parent = nullptr);

private:
    void apply();

    QuorbitViewModel& viewModel_;
};

}  // namespace quorbit
