#pragma once

#include <QWidget>

namespace quorbit {

class QuorbitViewModel;

// The About window: made on first use and kept; closing only hides it. Each show titles it in
// the language of the moment, centres it and brings it to the front.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    void showCentred();

private:
    QuorbitViewModel& viewModel_;
};

}  // namespace quorbit
