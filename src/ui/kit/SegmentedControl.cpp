#include "ui/kit/SegmentedControl.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPainter>

#include "ui/ObjectNames.h"
#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

constexpr int trackInset = 2;
constexpr int segmentHeight = 22;
constexpr qreal trackRadius = 7;
constexpr qreal thumbRadius = 5.5;

// One segment: its title, and the raised thumb while it is the selected one.
class SegmentButton : public QAbstractButton {
public:
    SegmentButton(const QString& title, QWidget* parent) : QAbstractButton(parent) {
        setText(title);
        setCheckable(true);
        setFocusPolicy(Qt::TabFocus);
        setAttribute(Qt::WA_Hover);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setObjectName(QString::fromLatin1(objectnames::kit::segment));
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return QSize(metrics.horizontalAdvance(text()) + 20, segmentHeight);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void enterEvent(QEnterEvent* event) override {
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        update();
        QAbstractButton::leaveEvent(event);
    }

    // A click selects; only the control takes a selection away.
    void nextCheckState() override { setChecked(true); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const Palette colors(palette());
        const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (isChecked()) {
            painter.setPen(QPen(colors.glassBorder(), 1));
            painter.setBrush(colors.isDark() ? palette().color(QPalette::Button).lighter(125)
                                             : palette().color(QPalette::Base));
            painter.drawPath(ContinuousRoundedRect::path(shape, thumbRadius));
        } else if (underMouse() && isEnabled()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colors.separator());
            painter.drawPath(ContinuousRoundedRect::path(shape, thumbRadius));
        }
        // Like the style's own focus frames: only once the keyboard has moved focus.
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(QPen(Palette::withAlpha(colors.accent(), 0.8), 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(ContinuousRoundedRect::path(shape.adjusted(0.5, 0.5, -0.5, -0.5), thumbRadius));
        }
        painter.setPen(isEnabled() ? colors.primaryText() : colors.tertiaryText());
        const QString shown = QFontMetrics(font()).elidedText(text(), Qt::ElideRight, width() - 8);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
};

}  // namespace

SegmentedControl::SegmentedControl(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(trackInset, trackInset, trackInset, trackInset);
    layout->setSpacing(trackInset);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SegmentedControl::setSegments(const QStringList& titles) {
    if (titles == segments()) return;
    for (QAbstractButton* button : buttons_) delete button;
    buttons_.clear();
    for (int i = 0; i < titles.size(); ++i) {
        auto* button = new SegmentButton(titles[i], this);
        // The title is user-visible text only; a segment's role is a choice among the others.
        button->setAccessibleName(titles[i]);
        connect(button, &QAbstractButton::clicked, this, [this, i] { choose(i); });
        layout()->addWidget(button);
        buttons_.push_back(button);
    }
    if (current_ >= count()) current_ = -1;
    showSelection();
}

QStringList SegmentedControl::segments() const {
    QStringList titles;
    for (const QAbstractButton* button : buttons_) titles.append(button->text());
    return titles;
}

void SegmentedControl::setCurrentIndex(int index) {
    current_ = index >= 0 && index < count() ? index : -1;
    showSelection();
}

QAbstractButton* SegmentedControl::segment(int index) const {
    return index >= 0 && index < count() ? buttons_[std::size_t(index)] : nullptr;
}

void SegmentedControl::choose(int index) {
    if (index == current_) return;
    current_ = index;
    showSelection();
    emit activated(index);
}

void SegmentedControl::showSelection() {
    for (int i = 0; i < count(); ++i) buttons_[std::size_t(i)]->setChecked(i == current_);
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette(palette()).separator());
    painter.drawPath(ContinuousRoundedRect::path(QRectF(rect()), trackRadius));
}

}  // namespace quorbit
