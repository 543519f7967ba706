#include "ui/kit/FlowLayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace quorbit {
namespace {

// Columns of the preferred size: three, as a chip area of a form usually shows.
constexpr int preferredColumns = 3;

}  // namespace

FlowLayout::FlowLayout(QWidget* parent, int spacing) : WrappingLayout(parent, spacing) {}

int FlowLayout::columnCount(int width, int spacing) {
    spacing = std::max(spacing, 0);
    return std::max(1, (width + spacing) / (minimumColumnWidth + spacing));
}

QSize FlowLayout::minimumSize() const {
    QSize size(minimumColumnWidth, 0);
    for (const QLayoutItem* item : items()) {
        if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const {
    const QMargins margins = contentsMargins();
    const int width =
        preferredColumns * minimumColumnWidth + (preferredColumns - 1) * spacing() + margins.left() + margins.right();
    return QSize(width, heightForWidth(width));
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int columns = columnCount(area.width(), spacing());
    const int cellWidth = std::max(0, (area.width() - (columns - 1) * spacing()) / columns);
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : items()) {
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
                const QRect cell(area.left() + column * (cellWidth + spacing()), y, cellWidth, rowHeight);
                const QRect placed(cell.left(), cell.top() + (rowHeight - size.height()) / 2, size.width(),
                                   size.height());
                shown.at(i)->setGeometry(QStyle::visualRect(direction, area, placed));
            }
        }
        y += rowHeight + spacing();
    }
    const int used = shown.isEmpty() ? 0 : y - spacing() - area.top();
    return used + rect.height() - area.height();
}

}  // namespace quorbit
