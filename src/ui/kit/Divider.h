#pragma once

#include <QFrame>

namespace quorbit {

// A one-pixel horizontal line in the theme's mid colour that separates parts of a window.
class Divider : public QFrame {
    Q_OBJECT
public:
    explicit Divider(QWidget* parent = nullptr);
};

}  // namespace quorbit
