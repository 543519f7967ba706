#include "ui/kit/PlainLabel.h"

namespace quorbit {

PlainLabel::PlainLabel(const QFont& font, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setFont(font);
}

}  // namespace quorbit
