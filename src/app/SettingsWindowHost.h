#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace quorbit {

class QuorbitViewModel;

// Opens the settings window (made on first use, then brought to the front) and starts the view
// model if nothing has started it yet.
class SettingsWindowHost final : public QObject {
    Q_OBJECT

public:
    explicit SettingsWindowHost(QuorbitViewModel& viewModel, QObject* parent = nullptr);
    ~SettingsWindowHost() override;

    void show();
    QWidget* window() const { return window_; }

private:
    QWidget* makeWindow() const;

    QuorbitViewModel& viewModel_;
    QPointer<QWidget> window_;
};

}  // namespace quorbit
