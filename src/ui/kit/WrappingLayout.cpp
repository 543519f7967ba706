#include "ui/kit/WrappingLayout.h"

#include <algorithm>

namespace quorbit {

WrappingLayout::WrappingLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(std::max(spacing, 0)) {
    setContentsMargins(0, 0, 0, 0);
}

WrappingLayout::~WrappingLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void WrappingLayout::addItem(QLayoutItem* item) {
    items_.append(item);
    invalidate();
}

int WrappingLayout::count() const { return int(items_.size()); }

QLayoutItem* WrappingLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* WrappingLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) return nullptr;
    QLayoutItem* item = items_.takeAt(index);
    invalidate();
    return item;
}

void WrappingLayout::setSpacing(int spacing) {
    spacing_ = std::max(spacing, 0);
    invalidate();
}

Qt::Orientations WrappingLayout::expandingDirections() const { return Qt::Horizontal; }

int WrappingLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

void WrappingLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

}  // namespace quorbit
