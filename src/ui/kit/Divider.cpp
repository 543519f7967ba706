#include "ui/kit/Divider.h"

namespace quorbit {

Divider::Divider(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Plain);
    setForegroundRole(QPalette::Mid);
}

}  // namespace quorbit
