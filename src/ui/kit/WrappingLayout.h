#pragma once

#include <QLayout>
#include <QList>

namespace quorbit {

// What the kit's wrapping layouts share: their items in the order added, one spacing, a height
// that follows the width, and the full width taken. Where the items go is each one's own.
class WrappingLayout : public QLayout {
    Q_OBJECT
public:
    WrappingLayout(QWidget* parent, int spacing);
    ~WrappingLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    int spacing() const override { return spacing_; }
    void setSpacing(int spacing) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

protected:
    const QList<QLayoutItem*>& items() const noexcept { return items_; }
    // Places the items in `rect` (when `apply`) and returns the height they need.
    virtual int arrange(const QRect& rect, bool apply) const = 0;

private:
    QList<QLayoutItem*> items_;
    int spacing_;
};

}  // namespace quorbit
