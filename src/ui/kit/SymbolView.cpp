#include "ui/kit/SymbolView.h"

#include <QPainter>

#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"

namespace quorbit {

SymbolView::SymbolView(QString name, int side, qreal alpha, QWidget* parent)
    : QWidget(parent), name_(std::move(name)), alpha_(alpha) {
    setFixedSize(side, side);
}

void SymbolView::setName(const QString& name) {
    if (name_ == name) return;
    name_ = name;
    update();
}

void SymbolView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    IconFactory::paint(painter, rect(), name_, Palette::withAlpha(palette().color(QPalette::WindowText), alpha_));
}

}  // namespace quorbit
