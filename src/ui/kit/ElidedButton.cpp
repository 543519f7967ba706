#include "ui/kit/ElidedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace quorbit {
namespace {

QString escaped(QString text) { return text.replace(QLatin1Char('&'), QLatin1String("&&")); }

}  // namespace

ElidedButton::ElidedButton(const QString& label, QWidget* parent) : QPushButton(parent) { setLabel(label); }

void ElidedButton::setLabel(const QString& label) {
    if (label_ == label) return;
    label_ = label;
    setText(escaped(label));
    setToolTip(label);
}

// Room for the ellipsis alone where the whole label would need more.
QSize ElidedButton::minimumSizeHint() const {
    const QSize whole = sizeHint();
    const int saved = fontMetrics().horizontalAdvance(label_) - fontMetrics().horizontalAdvance(QChar(0x2026));
    return {whole.width() - std::max(0, saved), whole.height()};
}

QString ElidedButton::shownLabel() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + 4;
    return fontMetrics().elidedText(label_, Qt::ElideRight, std::max(0, contents.width() - iconWidth));
}

void ElidedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = escaped(shownLabel());
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace quorbit
