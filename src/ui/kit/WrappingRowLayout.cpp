#include "ui/kit/WrappingRowLayout.h"

#include <algorithm>
#include <utility>

#include <QStyle>
#include <QWidget>

namespace quorbit {
namespace {

bool isStretch(QLayoutItem* item) {
    return item->spacerItem() != nullptr && (item->expandingDirections() & Qt::Horizontal);
}

struct Line {
    QList<QLayoutItem*> items;
    int width = 0;  // of the items and the spacing between them, stretches not counted
    int height = 0;
    int shown = 0;  // items other than stretches
    int stretches = 0;
};

QList<Line> breakIntoLines(const QList<QLayoutItem*>& items, int width, int spacing) {
    QList<Line> lines(1);
    for (QLayoutItem* item : items) {
        if (isStretch(item)) {
            lines.back().items.append(item);
            ++lines.back().stretches;
            continue;
        }
        if (item->isEmpty()) continue;
        const QSize size = item->sizeHint();
        int needed = lines.back().shown > 0 ? lines.back().width + spacing + size.width() : size.width();
        if (lines.back().shown > 0 && needed > width) {
            lines.append(Line{});
            needed = size.width();
        }
        Line& line = lines.back();
        line.items.append(item);
        line.width = needed;
        line.height = std::max(line.height, size.height());
        ++line.shown;
    }
    return lines;
}

int leadingOffset(Qt::Alignment alignment, int leftover) {
    if (alignment & Qt::AlignHCenter) return leftover / 2;
    if (alignment & Qt::AlignTrailing) return leftover;
    return 0;
}

}  // namespace

WrappingRowLayout::WrappingRowLayout(QWidget* parent, int spacing) : WrappingLayout(parent, spacing) {}

void WrappingRowLayout::addStretch() { addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum)); }

void WrappingRowLayout::setLineAlignment(Qt::Alignment alignment) {
    lineAlignment_ = alignment & Qt::AlignHorizontal_Mask;
    invalidate();
}

// As narrow as the widest item, which then has a line of its own.
QSize WrappingRowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items()) {
        if (!item->isEmpty()) size = size.expandedTo(item->sizeHint());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// Everything in one line.
QSize WrappingRowLayout::sizeHint() const {
    const Line line = breakIntoLines(items(), QWIDGETSIZE_MAX, spacing()).front();
    const QMargins margins = contentsMargins();
    return QSize(line.width + margins.left() + margins.right(), line.height + margins.top() + margins.bottom());
}

int WrappingRowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const QWidget* owner = parentWidget();
    const Qt::LayoutDirection direction = owner ? owner->layoutDirection() : Qt::LeftToRight;
    int y = area.top();
    int used = 0;
    for (const Line& line : breakIntoLines(items(), area.width(), spacing())) {
        if (line.shown == 0) continue;
        const int leftover = std::max(0, area.width() - line.width);
        const int stretchWidth = line.stretches > 0 ? leftover / line.stretches : 0;
        int x = area.left() + (line.stretches > 0 ? 0 : leadingOffset(lineAlignment_, leftover));
        bool first = true;
        for (QLayoutItem* item : line.items) {
            if (isStretch(item)) {
                if (apply)
                    item->setGeometry(QStyle::visualRect(direction, area, QRect(x, y, stretchWidth, line.height)));
                x += stretchWidth;
                continue;
            }
            if (!std::exchange(first, false)) x += spacing();
            const QSize size = item->sizeHint();
            const QRect placed(x, y + (line.height - size.height()) / 2, std::min(size.width(), area.width()),
                               size.height());
            if (apply) item->setGeometry(QStyle::visualRect(direction, area, placed));
            x += size.width();
        }
        used = y + line.height - area.top();
        y += line.height + spacing();
    }
    return used + rect.height() - area.height();
}

}  // namespace quorbit
