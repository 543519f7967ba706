#include "ui/kit/FlowLayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace quorbit {
namespace {

// Columns of the preferred size: three, as a chip area of a form usually shows.
constexpr int preferredColumns = 3;

}  // namespace

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(std::max(spacing, 0)) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

int FlowLayout::columnCount(int width, int spacing) {
    spacing = std::max(spacing, 0);
    return std::max(1, (width + spacing) / (minimumColumnWidth + spacing));
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
    invalidate();
}

int FlowLayout::count() const { return int(items_.size()); }

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) return nullptr;
    QLayoutItem* item = items_.takeAt(index);
    invalidate();
    return item;
}

void FlowLayout::setSpacing(int spacing) {
    spacing_ = std::max(spacing, 0);
    invalidate();
}

Qt::Orientations FlowLayout::expandingDirections() const { return Qt::Horizontal; }

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const {
    QSize size(minimumColumnWidth, 0);
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const {
    const QMargins margins = contentsMargins();
    const int width =
        preferredColumns * minimumColumnWidth + (preferredColumns - 1) * spacing_ + margins.left() + margins.right();
    return QSize(width, heightForWidth(width));
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int columns = columnCount(area.width(), spacing_);
    const int cellWidth = std::max(0, (area.width() - (columns - 1) * spacing_) / columns);
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : items_) {
        if (!item->isEmpty()) shown.append(item);
    }
    const QWidget* owner = parentWidget();
    const Qt::LayoutDirection direction = owner ? owner->layoutDirection() : Qt::LeftToRight;
    int y = area.top();
    for (qsizetype rowStart = 0; rowStart < shown.size(); rowStart += columns) {
        const qsizetype rowEnd = std::min(rowStart + columns, shown.size());
        QList<QSize> sizes;
        int rowHeight = 0;
        for (qsizetype i = rowStart; i < rowEnd; ++i) {
            const QLayoutItem* item = shown.at(i);
            const int width = (item->expandingDirections() & Qt::Horizontal)
                                  ? cellWidth
                                  : std::min(cellWidth, item->sizeHint().width());
            const int height = item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
            sizes.append(QSize(width, height));
            rowHeight = std::max(rowHeight, height);
        }
        if (apply) {
            for (qsizetype i = rowStart; i < rowEnd; ++i) {
                const QSize size = sizes.at(i - rowStart);
                const int column = int(i - rowStart);
                const QRect cell(area.left() + column * (cellWidth + spacing_), y, cellWidth, rowHeight);
                const QRect placed(cell.left(), cell.top() + (rowHeight - size.height()) / 2, size.width(),
                                   size.height());
                shown.at(i)->setGeometry(QStyle::visualRect(direction, area, placed));
            }
        }
        y += rowHeight + spacing_;
    }
    const int used = shown.isEmpty() ? 0 : y - spacing_ - area.top();
    return used + rect.height() - area.height();
}

}  // namespace quorbit
