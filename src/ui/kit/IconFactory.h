#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;

namespace quorbit {

// Our monochrome symbols (":/symbols/<name>.svg", drawn on a 24-unit grid), recoloured and
// cached. Names that have no file of their own are composed: "<base>.slash" strikes the base
// through, "<base>.circle" rings it, "<base>.circle.fill" cuts it out of a disc, and
// "<base>.badge.<mark>" adds a small mark at the lower right. GUI thread only.
class IconFactory {
public:
    static bool hasSymbol(const QString& name);

    // `size` in device-independent pixels. An unknown name gives a transparent pixmap.
    static QPixmap pixmap(const QString& name, const QSize& size, const QColor& color, qreal devicePixelRatio = 1.0);
    static void paint(QPainter& painter, const QRectF& rect, const QString& name, const QColor& color);

    // Drawn at whatever size the style asks; disabled at 35 %, selected (highlighted menu
    // items) in the highlighted-text colour.
    static QIcon icon(const QString& name, const QColor& color);

    // Any monochrome SVG of the resources (the tray icon), recoloured the same way.
    static QPixmap svgPixmap(const QString& path, const QSize& size, const QColor& color, qreal devicePixelRatio = 1.0);
    static QIcon svgIcon(const QString& path, const QColor& color);
};

}  // namespace quorbit
