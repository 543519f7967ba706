#pragma once

#include <QPushButton>

namespace quorbit {

// The one main action of a group: white label on a rounded accent-coloured fill, large.
class ProminentButton : public QPushButton {
    Q_OBJECT
public:
    explicit ProminentButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorbit
