#pragma once

#include <QWidget>

class QLabel;

namespace quorbit {

// A figure above a line of text, both centred, with the free space shared above and below: the
// loading or empty state of a window's body.
class CenteredMessage : public QWidget {
    Q_OBJECT
public:
    CenteredMessage(QWidget* figure, QLabel* text, QWidget* parent = nullptr);
};

}  // namespace quorbit
