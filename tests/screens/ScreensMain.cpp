#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <cstdio>

#include "screens/ScreenRegistry.h"
#include "support/views/SampleAccounts.h"
#include "support/views/ViewEnvironment.h"
#include "ui/kit/Theme.h"
#include "ui/platform/QtTranslation.h"

namespace quorbit::screens {
namespace {

// A picture that is blank or a single colour means the screen drew nothing.
bool isPainted(const QImage& image) {
    if (image.isNull() || image.width() == 0 || image.height() == 0) return false;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (line[x] != first) return true;
        }
    }
    return false;
}

ScreenContext contextFor(AppLanguage language, bool dark) {
    ScreenContext context;
    context.language = language;
    context.dark = dark;
    context.now = test::sampleNow();
    context.accounts = test::sampleAccounts();
    context.settings.language = language;
    context.settings.theme = dark ? AppTheme::dark : AppTheme::light;
    return context;
}

QImage render(const Screen& screen, const ScreenContext& context) {
    Theme::apply(context.settings.theme);
    std::unique_ptr<QWidget> widget = screen.build(context);
    if (!widget->testAttribute(Qt::WA_Resized)) widget->resize(widget->sizeHint());
    widget->show();
    QApplication::processEvents();
    const QImage image = widget->grab().toImage();
    widget.reset();
    QApplication::processEvents();
    return image;
}

int renderAll(const QDir& out, const QString& only) {
    int failures = 0;
    int written = 0;
    QTextStream err(stderr);
    QtTranslation qtTranslation;
    for (const Screen& screen : ScreenRegistry::instance().screens()) {
        const QString name = QString::fromStdString(screen.name);
        if (!only.isEmpty() && !name.contains(only)) continue;
        for (AppLanguage language : allAppLanguages) {
            qtTranslation.setLanguage(language);
            for (bool dark : {false, true}) {
                const QString file = out.filePath(
                    QStringLiteral("%1_%2_%3.png")
                        .arg(name, language == AppLanguage::russian ? "ru" : "en", dark ? "dark" : "light"));
                const QImage image = render(screen, contextFor(language, dark));
                if (!image.save(file) || !isPainted(QImage(file))) {
                    err << "not painted: " << file << Qt::endl;
                    ++failures;
                }
                ++written;
            }
        }
    }
    QTextStream(stdout) << written << " pictures in " << out.absolutePath() << Qt::endl;
    return failures == 0 && written > 0 ? 0 : 1;
}

}  // namespace
}  // namespace quorbit::screens

int main(int argc, char** argv) {
    quorbit::test::ViewEnvironment::prepareProcess();
    QApplication app(argc, argv);
    quorbit::test::ViewEnvironment::prepareApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders every view to PNG files for review."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Render only screens whose name contains TEXT."),
                                        QStringLiteral("TEXT"));
    parser.addOption(outOption);
    parser.addOption(onlyOption);
    parser.process(app);
    if (!parser.isSet(outOption)) {
        std::fputs("quorbit-screens: --out DIR is required\n", stderr);
        return 2;
    }
    const QDir out(parser.value(outOption));
    if (!QDir().mkpath(out.absolutePath())) {
        std::fputs("quorbit-screens: cannot create the output folder\n", stderr);
        return 2;
    }
    return quorbit::screens::renderAll(out, parser.value(onlyOption));
}
