#include "support/views/ViewEnvironment.h"

#include <QApplication>
#include <QFont>

#include <cstdlib>
#include <ctime>

#include "application/settings/AppTheme.h"
#include "ui/kit/Theme.h"

namespace quorbit::test {
namespace {

QtMessageHandler forward = nullptr;

// The offscreen platform says this of every top-level widget it shows.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (forward) forward(type, context, message);
}

}  // namespace

void ViewEnvironment::prepareProcess() {
    forward = qInstallMessageHandler(quietOffscreenNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_STYLE_OVERRIDE", "Fusion");
    setenv("TZ", "UTC", 1);
    tzset();
}

void ViewEnvironment::prepareApplication() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    Theme::apply(AppTheme::light);
}

}  // namespace quorbit::test
