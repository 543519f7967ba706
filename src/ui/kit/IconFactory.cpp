#include "ui/kit/IconFactory.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <functional>

#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

constexpr qreal grid = 24;
constexpr qreal baseStroke = 1.8;
const QString slashSuffix = QStringLiteral(".slash");
const QString circleFillSuffix = QStringLiteral(".circle.fill");
const QString circleSuffix = QStringLiteral(".circle");
const QString badgeInfix = QStringLiteral(".badge.");

QString symbolPath(const QString& name) { return QStringLiteral(":/symbols/") + name + QStringLiteral(".svg"); }

QImage blankImage(const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The symbol files set one stroke width on their outer group; a symbol drawn smaller inside
// another gets a wider one so its lines keep their weight.
QImage renderSvg(const QString& path, const QSize& size, qreal strokeWidth) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray data = file.readAll();
    if (strokeWidth != baseStroke) {
        const QByteArray from = "stroke-width=\"" + QByteArray::number(baseStroke) + "\"";
        const qsizetype at = data.indexOf(from);
        if (at >= 0) data.replace(at, from.size(), "stroke-width=\"" + QByteArray::number(strokeWidth) + "\"");
    }
    QSvgRenderer renderer(data);
    if (!renderer.isValid()) return {};
    QImage image = blankImage(size);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// A filled symbol draws its inner marks in white (the check of a filled shield): they become
// holes, so that they survive the recolouring instead of taking the fill's colour.
QImage cutOutWhite(QImage image) {
    if (image.isNull()) return image;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int white = (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;  // premultiplied
            line[x] = qRgba(0, 0, 0, std::max(0, qAlpha(pixel) - white));
        }
    }
    return image;
}

QImage renderMask(const QString& name, const QSize& size, qreal strokeWidth);

QImage scaledInner(const QString& name, const QSize& size, qreal scale, qreal strokeWidth) {
    const QSize inner(std::max(1, int(std::lround(size.width() * scale))),
                      std::max(1, int(std::lround(size.height() * scale))));
    return renderMask(name, inner, strokeWidth / scale * 0.9);
}

QPointF centredAt(const QImage& image, QPointF centre) {
    return centre - QPointF(image.width() / 2.0, image.height() / 2.0);
}

QImage circled(const QString& base, const QSize& size, qreal strokeWidth, bool filled) {
    QImage inner = scaledInner(base, size, filled ? 0.5 : 0.52, strokeWidth);
    if (inner.isNull()) return {};
    const qreal unit = size.width() / grid;
    QImage image = filled ? blankImage(size) : renderMask(QStringLiteral("circle"), size, strokeWidth);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    if (filled) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre, 9.4 * unit, 9.4 * unit);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    }
    painter.drawImage(centredAt(inner, centre), inner);
    return image;
}

QImage slashed(const QString& base, const QSize& size, qreal strokeWidth) {
    QImage image = renderMask(base, size, strokeWidth);
    if (image.isNull()) return {};
    const qreal unit = size.width() / grid;
    const QLineF slash(QPointF(4 * unit, 3 * unit), QPointF(20 * unit, 21 * unit));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(QPen(Qt::black, strokeWidth * 3 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(slash);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(Qt::black, strokeWidth * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(slash);
    return image;
}

QImage badged(const QString& base, const QString& mark, const QSize& size, qreal strokeWidth) {
    QImage image = renderMask(base, size, strokeWidth);
    const QImage badge = scaledInner(QStringLiteral("badge.") + mark, size, 0.42, baseStroke);
    if (image.isNull() || badge.isNull()) return {};
    const qreal unit = size.width() / grid;
    const QPointF centre(18.5 * unit, 18.5 * unit);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 6.8 * unit, 6.8 * unit);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(centredAt(badge, centre), badge);
    return image;
}

QImage renderMask(const QString& name, const QSize& size, qreal strokeWidth) {
    if (QFile::exists(symbolPath(name))) return cutOutWhite(renderSvg(symbolPath(name), size, strokeWidth));
    if (name.endsWith(slashSuffix)) return slashed(name.chopped(slashSuffix.size()), size, strokeWidth);
    if (name.endsWith(circleFillSuffix)) return circled(name.chopped(circleFillSuffix.size()), size, strokeWidth, true);
    if (name.endsWith(circleSuffix)) return circled(name.chopped(circleSuffix.size()), size, strokeWidth, false);
    const qsizetype badgeAt = name.indexOf(badgeInfix);
    if (badgeAt > 0) return badged(name.left(badgeAt), name.mid(badgeAt + badgeInfix.size()), size, strokeWidth);
    return {};
}

QPixmap tinted(QImage mask, const QColor& color, qreal devicePixelRatio) {
    QPainter painter(&mask);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(mask.rect(), color);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(std::move(mask));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QSize devicePixels(const QSize& size, qreal devicePixelRatio) {
    return QSize(std::max(1, int(std::ceil(size.width() * devicePixelRatio))),
                 std::max(1, int(std::ceil(size.height() * devicePixelRatio))));
}

QPixmap cachedPixmap(const QString& key, const QSize& size, const QColor& color, qreal devicePixelRatio,
                     const std::function<QImage(const QSize&)>& render) {
    static QHash<QString, QPixmap> cache;
    const QString fullKey = key + QLatin1Char('|') + QString::number(size.width()) + QLatin1Char('x') +
                            QString::number(size.height()) + QLatin1Char('@') + QString::number(devicePixelRatio) +
                            QLatin1Char('|') + color.name(QColor::HexArgb);
    if (const auto found = cache.constFind(fullKey); found != cache.constEnd()) return *found;
    const QSize pixels = devicePixels(size, devicePixelRatio);
    QImage mask = render(pixels);
    if (mask.isNull()) mask = blankImage(pixels);
    QPixmap pixmap = tinted(std::move(mask), color, devicePixelRatio);
    cache.insert(fullKey, pixmap);
    return pixmap;
}

// Draws a symbol at whatever size and state a style asks for.
class SymbolIconEngine final : public QIconEngine {
public:
    SymbolIconEngine(std::function<QPixmap(const QSize&, const QColor&, qreal)> draw, QColor color)
        : draw_(std::move(draw)), color_(std::move(color)) {}

    QIconEngine* clone() const override { return new SymbolIconEngine(draw_, color_); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, draw_(rect.size(), colorFor(mode), ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return draw_(size, colorFor(mode), 1.0);
    }

    // QIcon hands the size in device pixels here.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        return draw_((QSizeF(size) / scale).toSize(), colorFor(mode), scale);
    }

private:
    QColor colorFor(QIcon::Mode mode) const {
        if (mode == QIcon::Disabled) return Palette::withAlpha(color_, 0.35);
        if (mode == QIcon::Selected) return QApplication::palette().color(QPalette::HighlightedText);
        return color_;
    }

    std::function<QPixmap(const QSize&, const QColor&, qreal)> draw_;
    QColor color_;
};

}  // namespace

bool IconFactory::hasSymbol(const QString& name) { return !renderMask(name, QSize(8, 8), baseStroke).isNull(); }

QPixmap IconFactory::pixmap(const QString& name, const QSize& size, const QColor& color, qreal devicePixelRatio) {
    return cachedPixmap(QStringLiteral("symbol:") + name, size, color, devicePixelRatio,
                        [&name](const QSize& pixels) { return renderMask(name, pixels, baseStroke); });
}

void IconFactory::paint(QPainter& painter, const QRectF& rect, const QString& name, const QColor& color) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size(int(std::ceil(rect.width())), int(std::ceil(rect.height())));
    painter.drawPixmap(rect.topLeft(), pixmap(name, size, color, ratio));
}

QIcon IconFactory::icon(const QString& name, const QColor& color) {
    return QIcon(new SymbolIconEngine(
        [name](const QSize& size, const QColor& tint, qreal ratio) { return pixmap(name, size, tint, ratio); }, color));
}

QPixmap IconFactory::svgPixmap(const QString& path, const QSize& size, const QColor& color, qreal devicePixelRatio) {
    return cachedPixmap(QStringLiteral("file:") + path, size, color, devicePixelRatio,
                        [&path](const QSize& pixels) { return renderSvg(path, pixels, baseStroke); });
}

QIcon IconFactory::svgIcon(const QString& path, const QColor& color) {
    return QIcon(new SymbolIconEngine(
        [path](const QSize& size, const QColor& tint, qreal ratio) { return svgPixmap(path, size, tint, ratio); },
        color));
}

}  // namespace quorbit
