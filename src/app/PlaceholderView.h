#pragma once

#include <QWidget>

namespace quorbit {

// Stands in for a window's content that has not landed yet: one line of plain text.
class PlaceholderView final : public QWidget {
    Q_OBJECT

public:
    explicit PlaceholderView(const QString& text, QWidget* parent = nullptr);
};

}  // namespace quorbit
