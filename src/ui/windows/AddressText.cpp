#include "ui/windows/AddressText.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

#include "ui/kit/TextTone.h"

namespace quorbit {

AddressText::AddressText(const QString& address, const QFont& font, int maxLines, Qt::Alignment alignment,
                         QWidget* parent)
    : QPlainTextEdit(parent), maxLines_(maxLines) {
    setFont(font);
    setReadOnly(true);
    setCursorWidth(0);  // selectable, but nothing to type at
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAnywhere);
    document()->setDocumentMargin(0);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::WrapAnywhere);
    document()->setDefaultTextOption(option);
    setPlainText(address);
    viewport()->setAutoFillBackground(false);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    setPalette(colors);
    TextTone::apply(this, TextTone::secondary);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(heightForLines());
}

int AddressText::heightForLines() const {
    const int lines = std::clamp(static_cast<int>(document()->documentLayout()->documentSize().height()), 1, maxLines_);
    return fontMetrics().lineSpacing() * lines + 2;
}

QSize AddressText::sizeHint() const { return {QPlainTextEdit::sizeHint().width(), heightForLines()}; }

QSize AddressText::minimumSizeHint() const { return {40, heightForLines()}; }

void AddressText::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    // The number of wrapped lines follows the width.
    setFixedHeight(heightForLines());
}

}  // namespace quorbit
