#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;
class QToolButton;

namespace quorbit {

// A 64-bit value with − and + buttons. A step saturates at the ends of the range. A value set
// from outside the range is shown and kept until the user changes it; the user's change lands
// inside the range.
class Stepper : public QWidget {
    Q_OBJECT
public:
    explicit Stepper(QWidget* parent = nullptr);

    void setRange(std::int64_t minimum, std::int64_t maximum);  // a reversed range is one value
    std::int64_t minimum() const noexcept { return minimum_; }
    std::int64_t maximum() const noexcept { return maximum_; }

    void setStep(std::int64_t step);  // below 1 counts as 1
    std::int64_t step() const noexcept { return step_; }

    void setValue(std::int64_t value);  // no signal, not clamped
    std::int64_t value() const noexcept { return value_; }

    // Shown after the value, e.g. " s".
    void setSuffix(const QString& suffix);

    QToolButton* decrementButton() const noexcept { return decrement_; }
    QToolButton* incrementButton() const noexcept { return increment_; }

    // What one step of the user gives from `value`.
    static std::int64_t stepped(std::int64_t value, std::int64_t step, bool up, std::int64_t minimum,
                                std::int64_t maximum);

signals:
    void valueEdited(std::int64_t value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void stepBy(bool up);
    void showValue();

    QLabel* label_;
    QToolButton* decrement_;
    QToolButton* increment_;
    QString suffix_;
    std::int64_t minimum_ = 0;
    std::int64_t maximum_ = 99;
    std::int64_t step_ = 1;
    std::int64_t value_ = 0;
};

}  // namespace quorbit
