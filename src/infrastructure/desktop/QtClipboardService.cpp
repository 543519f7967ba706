#include "infrastructure/desktop/QtClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <QTimer>

#include <utility>

namespace quorbit {

namespace {

void clearIfStillHolding(const QString& text) {
    auto* clipboard = QGuiApplication::clipboard();
    if (clipboard->text(QClipboard::Clipboard) == text) clipboard->clear(QClipboard::Clipboard);
}

// Nobody cancels a clearing: it outlives the service and checks the clipboard itself.
void clearOnApplicationTimer(std::chrono::seconds delay, std::function<void()> clearing) {
    QTimer::singleShot(delay, QCoreApplication::instance(), std::move(clearing));
}

}  // namespace

QtClipboardService::QtClipboardService() : QtClipboardService(&clearOnApplicationTimer) {}

QtClipboardService::QtClipboardService(ClearingScheduler scheduleClearing)
    : scheduleClearing_(std::move(scheduleClearing)) {}

void QtClipboardService::copyOnGuiThread(const std::string& text,
                                         std::optional<std::chrono::seconds> clearAfter) const {
    auto* clipboard = QGuiApplication::clipboard();
    const QString code = QString::fromStdString(text);
    auto* mime = new QMimeData;
    mime->setText(code);
    mime->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    clipboard->setMimeData(mime, QClipboard::Clipboard);
    if (clearAfter) scheduleClearing_(*clearAfter, [code] { clearIfStillHolding(code); });
}

void QtClipboardService::copyEphemeral(const std::string& text, std::optional<std::chrono::seconds> clearAfter) {
    // Without a GUI application there is no clipboard to reach.
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr) return;
    if (QThread::currentThread() == application->thread()) {
        copyOnGuiThread(text, clearAfter);
        return;
    }
    QMetaObject::invokeMethod(
        application, [this, &text, clearAfter] { copyOnGuiThread(text, clearAfter); }, Qt::BlockingQueuedConnection);
}

}  // namespace quorbit
