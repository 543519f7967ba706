#pragma once

#include <QLayout>
#include <QList>

namespace quorbit {

// Items at their preferred sizes from the leading edge, as a horizontal box places them, going
// on in a new line where the next item would not fit. A stretch takes the leftover width of its
// line; a line without one is placed by the line alignment (leading unless set). Each line is
// as tall as its tallest item, and every item is centred in its line.
class WrappingRowLayout final : public QLayout {
    Q_OBJECT
public:
    explicit WrappingRowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~WrappingRowLayout() override;

    void addStretch();
    // Only the horizontal part counts. (QLayout's own alignment would place the whole layout.)
    void setLineAlignment(Qt::Alignment alignment);

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
    Qt::Alignment lineAlignment_ = Qt::AlignLeading;
};

}  // namespace quorbit
