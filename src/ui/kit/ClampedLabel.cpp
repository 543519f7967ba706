#include "ui/kit/ClampedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

namespace quorbit {
namespace {

constexpr int preferredWidth = 240;

}  // namespace

ClampedLabel::ClampedLabel(int maxLines, QWidget* parent) : QWidget(parent), maxLines_(maxLines) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ClampedLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

QStringList ClampedLabel::visibleLines(int width) const {
    QString flowing = text_;
    flowing.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(flowing, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    int lastStart = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        if (maxLines_ >= 1 && lines.size() == maxLines_ - 1) {
            lastStart = line.textStart();
            lines.append(QString());
            break;
        }
        lines.append(flowing.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    if (maxLines_ >= 1 && lines.size() == maxLines_) {
        // The last line takes what is left of its paragraph, cut with an ellipsis when more follows.
        QString rest = flowing.mid(lastStart).trimmed();
        const qsizetype lineBreak = rest.indexOf(QChar::LineSeparator);
        if (lineBreak >= 0) rest = rest.left(lineBreak).trimmed() + QChar(0x2026);
        lines.last() = fontMetrics().elidedText(rest, Qt::ElideRight, width);
    }
    return lines;
}

int ClampedLabel::lineHeight() const { return fontMetrics().lineSpacing(); }

int ClampedLabel::heightForWidth(int width) const {
    const int lines = text_.isEmpty() ? 1 : int(visibleLines(width).size());
    return std::max(lines, 1) * lineHeight();
}

QSize ClampedLabel::sizeHint() const {
    const int natural = fontMetrics().horizontalAdvance(text_) + 1;
    const int width = std::min(natural, preferredWidth);
    return QSize(width, heightForWidth(width));
}

QSize ClampedLabel::minimumSizeHint() const { return QSize(std::min(sizeHint().width(), 40), lineHeight()); }

void ClampedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int leading = lineHeight();
    int y = 0;
    for (const QString& line : visibleLines(width())) {
        painter.drawText(QRect(0, y, width(), leading), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += leading;
    }
}

void ClampedLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) updateGeometry();
    QWidget::changeEvent(event);
}

}  // namespace quorbit
