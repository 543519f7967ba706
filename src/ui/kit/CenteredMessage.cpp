#include "ui/kit/CenteredMessage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorbit {

CenteredMessage::CenteredMessage(QWidget* figure, QLabel* text, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addStretch();
    layout->addWidget(figure, 0, Qt::AlignHCenter);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addStretch();
}

}  // namespace quorbit
