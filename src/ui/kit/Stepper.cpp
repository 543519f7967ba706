#include "ui/kit/Stepper.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include <algorithm>
#include <limits>

#include "ui/ObjectNames.h"
#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();

QToolButton* stepButton(const QString& glyph, const char* objectName, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(glyph);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);  // the stepper itself takes the arrow keys
    button->setFixedSize(24, 22);
    return button;
}

}  // namespace

Stepper::Stepper(QWidget* parent)
    : QWidget(parent), label_(new QLabel(this)),
      decrement_(stepButton(QStringLiteral("−"), objectnames::kit::stepperDecrement, this)),
      increment_(stepButton(QStringLiteral("+"), objectnames::kit::stepperIncrement, this)) {
    label_->setTextFormat(Qt::PlainText);
    label_->setObjectName(QString::fromLatin1(objectnames::kit::stepperValue));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(label_);
    layout->addSpacing(8);
    layout->addWidget(decrement_);
    layout->addWidget(increment_);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(decrement_, &QToolButton::clicked, this, [this] { stepBy(false); });
    connect(increment_, &QToolButton::clicked, this, [this] { stepBy(true); });
    showValue();
}

void Stepper::setRange(std::int64_t minimum, std::int64_t maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    showValue();
}

void Stepper::setStep(std::int64_t step) { step_ = std::max<std::int64_t>(step, 1); }

void Stepper::setValue(std::int64_t value) {
    value_ = value;
    showValue();
}

void Stepper::setSuffix(const QString& suffix) {
    suffix_ = suffix;
    showValue();
}

std::int64_t Stepper::stepped(std::int64_t value, std::int64_t step, bool up, std::int64_t minimum,
                              std::int64_t maximum) {
    std::int64_t next = 0;
    if (up) {
        next = value > int64Max - step ? int64Max : value + step;
    } else {
        next = value < int64Min + step ? int64Min : value - step;
    }
    return std::clamp(next, minimum, maximum);
}

void Stepper::stepBy(bool up) {
    if (up ? value_ >= maximum_ : value_ <= minimum_) return;
    value_ = stepped(value_, step_, up, minimum_, maximum_);
    showValue();
    emit valueEdited(value_);
}

void Stepper::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Plus: stepBy(true); return;
    case Qt::Key_Down:
    case Qt::Key_Minus: stepBy(false); return;
    default: QWidget::keyPressEvent(event);
    }
}

// The arrow keys step the value, so keyboard focus is shown around the whole control.
void Stepper::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Palette::withAlpha(Palette(palette()).accent(), 0.8), 1.5));
    painter.drawPath(ContinuousRoundedRect::path(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 5));
}

void Stepper::showValue() {
    const QString text = QString::number(qint64(value_)) + suffix_;
    if (label_->text() != text) label_->setText(text);
    setAccessibleName(text);
    decrement_->setEnabled(value_ > minimum_);
    increment_->setEnabled(value_ < maximum_);
}

}  // namespace quorbit
