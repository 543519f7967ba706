#pragma once

#include <QWidget>

class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace quorbit {

class QuorbitViewModel;

// Stands in for the panel view until it lands: lock state, unlock and lock, the number of
// codes, the status line, the settings button and the header menu.
class PanelPlaceholder final : public QWidget {
    Q_OBJECT

public:
    explicit PanelPlaceholder(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    void setHeaderMenu(QMenu* menu);

signals:
    void settingsRequested();

private:
    void update();

    QuorbitViewModel& viewModel_;
    QToolButton* menuButton_;
    QLabel* state_;
    QLabel* codes_;
    QLabel* status_;
    QPushButton* lockButton_;
};

}  // namespace quorbit
