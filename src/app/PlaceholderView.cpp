#include "app/PlaceholderView.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorbit {

PlaceholderView::PlaceholderView(const QString& text, QWidget* parent) : QWidget(parent) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

}  // namespace quorbit
