#pragma once

#include "ui/kit/WrappingLayout.h"

namespace quorbit {

// Chips in a grid of equal columns that wraps with the width: as many columns of at least 86
// pixels as fit, `spacing` between columns and between rows, filled row by row. Each item
// sits at the leading edge of its cell, vertically centred in its row.
class FlowLayout : public WrappingLayout {
    Q_OBJECT
public:
    static constexpr int minimumColumnWidth = 86;

    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);

    // Columns for a content width: the most n with n × 86 + (n − 1) × spacing ≤ width, at least 1.
    static int columnCount(int width, int spacing);

    QSize minimumSize() const override;
    QSize sizeHint() const override;

private:
    int arrange(const QRect& rect, bool apply) const override;
};

}  // namespace quorbit
