// Renders the program's SVG icon to the PNG sizes of the hicolor theme, for desktops and
// panels that do not draw SVG icons themselves: <out>/<N>x<N>/apps/<name>.png for each size.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool renderOne(QSvgRenderer& svg, int size, const QString& file) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return QDir().mkpath(QFileInfo(file).path()) && image.save(file, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: quorbit-icon-rasterizer SVG OUT-DIR SIZE...\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        std::fprintf(stderr, "quorbit-icon-rasterizer: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString file = out.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        if (size <= 0 || !renderOne(svg, size, file)) {
            std::fprintf(stderr, "quorbit-icon-rasterizer: cannot write the %s px icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
