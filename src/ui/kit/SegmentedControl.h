#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QAbstractButton;

namespace quorbit {

// A row of mutually exclusive segments on a rounded track, one of them (or none) selected.
// Programmatic changes are silent; activated() reports a user's choice of another segment.
class SegmentedControl : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedControl(QWidget* parent = nullptr);

    // Keeps the current index when it still names a segment, otherwise selects none.
    void setSegments(const QStringList& titles);
    QStringList segments() const;
    int count() const noexcept { return int(buttons_.size()); }

    void setCurrentIndex(int index);  // no signal; -1 or out of range selects none
    int currentIndex() const noexcept { return current_; }

    // The segment's own button, for focus and for tests; nullptr out of range.
    QAbstractButton* segment(int index) const;

signals:
    void activated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(int index);
    void showSelection();

    std::vector<QAbstractButton*> buttons_;
    int current_ = -1;
};

}  // namespace quorbit
