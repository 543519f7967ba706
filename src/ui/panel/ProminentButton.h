#pragma once

#include <QPushButton>

namespace quorbit {

// The one main action of a group: filled with the accent colour, large.
class ProminentButton : public QPushButton {
    Q_OBJECT
public:
    explicit ProminentButton(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void applyAccent();
};

}  // namespace quorbit
