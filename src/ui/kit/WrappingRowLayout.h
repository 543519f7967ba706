#pragma once

#include "ui/kit/WrappingLayout.h"

namespace quorbit {

// Items at their preferred sizes from the leading edge, as a horizontal box places them, going
// on in a new line where the next item would not fit. A stretch takes the leftover width of its
// line; a line without one is placed by the line alignment (leading unless set). Each line is
// as tall as its tallest item, and every item is centred in its line.
class WrappingRowLayout final : public WrappingLayout {
    Q_OBJECT
public:
    explicit WrappingRowLayout(QWidget* parent = nullptr, int spacing = 6);

    void addStretch();
    // Only the horizontal part counts. (QLayout's own alignment would place the whole layout.)
    void setLineAlignment(Qt::Alignment alignment);

    QSize minimumSize() const override;
    QSize sizeHint() const override;

private:
    int arrange(const QRect& rect, bool apply) const override;

    Qt::Alignment lineAlignment_ = Qt::AlignLeading;
};

}  // namespace quorbit
