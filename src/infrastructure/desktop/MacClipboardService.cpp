#include "infrastructure/desktop/MacClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <QTimer>

namespace quorbit {

namespace {

void clearIfStillHolding(const QString& text) {
    auto* clipboard = QGuiApplication::clipboard();
    if (clipboard->text(QClipboard::Clipboard) == text) clipboard->clear(QClipboard::Clipboard);
}

void copyOnGuiThread(const std::string& text, std::optional<std::chrono::seconds> clearAfter) {
    auto* clipboard = QGuiApplication::clipboard();
    const QString code = QString::fromStdString(text);
    auto* mime = new QMimeData;
    mime->setText(code);
    mime->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    clipboard->setMimeData(mime, QClipboard::Clipboard);
    if (!clearAfter) return;
    // Nobody cancels the clearing: it outlives the service and checks the clipboard itself.
    QTimer::singleShot(*clearAfter, QCoreApplication::instance(), [code] { clearIfStillHolding(code); });
}

}  // namespace

void MacClipboardService::copyEphemeral(const std::string& text, std::optional<std::chrono::seconds> clearAfter) {
    // Without a GUI application there is no clipboard to reach.
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr) return;
    if (QThread::currentThread() == application->thread()) {
        copyOnGuiThread(text, clearAfter);
        return;
    }
    QMetaObject::invokeMethod(
        application, [&text, clearAfter] { copyOnGuiThread(text, clearAfter); }, Qt::BlockingQueuedConnection);
}

}  // namespace quorbit
