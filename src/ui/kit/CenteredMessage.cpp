#include "ui/kit/CenteredMessage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorbit {

CenteredMessage::CenteredMessage(QWidget* figure, QLabel* text, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addStretch();
    layout->addWidget(figure, 0, Qt::AlignHCenter);
    // A wrapping text takes the whole width: aligned, the layout would give it the height of its
    // unwrapped size hint and cut the lines that do not fit.
    layout->addWidget(text, 0, text->wordWrap() ? Qt::Alignment() : Qt::AlignHCenter);
    layout->addStretch();
}

}  // namespace quorbit
