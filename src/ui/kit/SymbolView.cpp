#include "ui/kit/SymbolView.h"

#include <QPainter>

#include "ui/kit/IconFactory.h"

namespace quorbit {

SymbolView::SymbolView(QString name, int side, qreal alpha, QWidget* parent)
    : QWidget(parent), name_(std::move(name)), tint_(&Palette::primaryText), alpha_(alpha) {
    setFixedSize(side, side);
}

SymbolView::SymbolView(QString name, int side, Palette::Tint tint, QWidget* parent)
    : QWidget(parent), name_(std::move(name)), tint_(tint), alpha_(1.0) {
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
    IconFactory::paint(painter, rect(), name_, Palette::withAlpha((Palette(palette()).*tint_)(), alpha_));
}

}  // namespace quorbit
