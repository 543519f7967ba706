#include "ui/kit/BrandIconView.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"

namespace quorbit {

BrandIconView::BrandIconView(qreal size, bool accessibilityHidden, QWidget* parent, QString iconPath)
    : QWidget(parent), size_(size), iconPath_(std::move(iconPath)),
      hasIcon_(QFile::exists(iconPath_) && QSvgRenderer(iconPath_).isValid()) {
    const int side = int(std::ceil(size_));
    setFixedSize(side, side);
    // Hidden icons give assistive tools nothing to read; the header names the product anyway.
    if (!accessibilityHidden) setAccessibleName(QStringLiteral("Quorbit"));
}

QSize BrandIconView::sizeHint() const {
    const int side = int(std::ceil(size_));
    return QSize(side, side);
}

void BrandIconView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square((width() - size_) / 2, (height() - size_) / 2, size_, size_);
    painter.setClipPath(ContinuousRoundedRect::path(square, size_ * 0.22));
    if (hasIcon_) {
        QSvgRenderer renderer(iconPath_);
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        renderer.render(&painter, square);
        return;
    }
    const qreal inset = size_ * 0.16;
    IconFactory::paint(painter, square.adjusted(inset, inset, -inset, -inset), QStringLiteral("desktopcomputer"),
                       Palette(palette()).accent());
}

}  // namespace quorbit
