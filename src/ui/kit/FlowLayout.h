#pragma once

#include <QLayout>
#include <QList>

namespace quorbit {

// Chips in a grid of equal columns that wraps with the width: as many columns of at least 86
// pixels as fit, `spacing` between columns and between rows, filled row by row. Each item
// sits at the leading edge of its cell, vertically centred in its row.
class FlowLayout : public QLayout {
    Q_OBJECT
public:
    static constexpr int minimumColumnWidth = 86;

    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    // Columns for a content width: the most n with n × 86 + (n − 1) × spacing ≤ width, at least 1.
    static int columnCount(int width, int spacing);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    int spacing() const override { return spacing_; }
    void setSpacing(int spacing) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (when `apply`) and returns the height they need.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

}  // namespace quorbit
