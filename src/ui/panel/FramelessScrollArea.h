#pragma once

#include <QScrollArea>

namespace quorbit {

// A vertical scroll area without frame or background of its own, so that the panel shows
// through around its content.
class FramelessScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit FramelessScrollArea(QWidget* parent = nullptr);

protected:
    // Takes `content` as the scrolled widget, as wide as the area.
    void setContent(QWidget* content);
};

}  // namespace quorbit
