#pragma once

#include <QColor>
#include <QWidget>

#include "ui/kit/Palette.h"

class QPainter;

namespace quorbit {

// A container on a faint rounded fill: one of the theme's colours at a low opacity, looked up
// when painted so that it follows a theme change. paint() serves custom-painted widgets.
class TintedPanel : public QWidget {
    Q_OBJECT
public:
    TintedPanel(Palette::Tint tint, qreal alpha, qreal radius, QWidget* parent = nullptr);

    static void paint(QPainter& painter, const QRectF& rect, const QColor& fill, qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Palette::Tint tint_;
    qreal alpha_;
    qreal radius_;
};

}  // namespace quorbit
