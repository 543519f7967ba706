#include "ui/panel/FramelessScrollArea.h"

namespace quorbit {

FramelessScrollArea::FramelessScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    viewport()->setAutoFillBackground(false);
}

void FramelessScrollArea::setContent(QWidget* content) {
    setWidget(content);
    content->setAutoFillBackground(false);  // setWidget() turns filling on
}

}  // namespace quorbit
