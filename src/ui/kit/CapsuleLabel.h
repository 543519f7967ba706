#pragma once

#include <QLabel>

namespace quorbit {

// Short plain text on a capsule of the secondary text colour at 14 %, looked up when painted so
// that it follows a theme change (a style sheet would keep the colour it was given).
class CapsuleLabel : public QLabel {
    Q_OBJECT
public:
    explicit CapsuleLabel(const QFont& font, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorbit
