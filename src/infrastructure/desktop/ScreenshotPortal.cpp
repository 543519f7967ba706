#include "infrastructure/desktop/ScreenshotPortal.h"

#include "infrastructure/desktop/ScreenQRLog.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace quorbit {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
constexpr int kCallTimeoutMs = 10'000;

// The portal names the request object after our unique bus name and the token, so we can
// listen on it before the call and miss no early answer.
QString expectedRequestPath(const QDBusConnection& bus, const QString& handleToken) {
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + handleToken;
}

std::optional<QImage> readAndDelete(const QString& fileUri) {
    const QString path = QUrl(fileUri).toLocalFile();
    if (path.isEmpty()) {
        qCWarning(screenQRLog, "Screenshot portal: answer is not a local file: %s", qUtf8Printable(fileUri));
        return std::nullopt;
    }
    QImage image = QImageReader(path).read();
    QFile::remove(path);
    if (image.isNull()) {
        qCWarning(screenQRLog, "Screenshot portal: saved picture could not be read");
        return std::nullopt;
    }
    return image;
}

}  // namespace

ScreenshotPortal::ScreenshotPortal(QDBusConnection bus, std::chrono::milliseconds responseTimeout)
    : bus_(std::move(bus)), responseTimeout_(responseTimeout) {}

std::optional<QImage> ScreenshotPortal::takeScreenshot() {
    if (!bus_.isConnected()) {
        qCWarning(screenQRLog, "Screenshot portal: no session bus");
        return std::nullopt;
    }
    savedFileUri_.reset();
    const QString handleToken = QStringLiteral("quorbit%1").arg(QRandomGenerator::global()->generate());
    const QString expectedPath = expectedRequestPath(bus_, handleToken);
    listenForResponse(expectedPath);
    const std::optional<QString> requestPath = requestScreenshot(handleToken);
    if (requestPath && *requestPath != expectedPath) listenForResponse(*requestPath);
    std::optional<QImage> image = requestPath ? waitForImage() : std::nullopt;
    stopListening();
    return image;
}

void ScreenshotPortal::handleResponse(uint response, const QVariantMap& results, const QDBusMessage& message) {
    if (message.path() != requestPath_) return;
    if (response == 0) {
        savedFileUri_ = results.value(QStringLiteral("uri")).toString();
    } else {
        qCInfo(screenQRLog, "Screenshot portal: request ended with response=%u", response);
    }
    if (waiting_ != nullptr) waiting_->quit();
}

void ScreenshotPortal::listenForResponse(const QString& requestPath) {
    stopListening();
    requestPath_ = requestPath;
    if (!bus_.connect(kPortalService, requestPath, kRequestInterface, QStringLiteral("Response"), this,
                      SLOT(handleResponse(uint, QVariantMap, QDBusMessage)))) {
        qCWarning(screenQRLog, "Screenshot portal: cannot listen on %s", qUtf8Printable(requestPath));
    }
}

void ScreenshotPortal::stopListening() {
    if (requestPath_.isEmpty()) return;
    bus_.disconnect(kPortalService, requestPath_, kRequestInterface, QStringLiteral("Response"), this,
                    SLOT(handleResponse(uint, QVariantMap, QDBusMessage)));
    requestPath_.clear();
}

std::optional<QString> ScreenshotPortal::requestScreenshot(const QString& handleToken) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kScreenshotInterface, QStringLiteral("Screenshot"));
    const QVariantMap options{{QStringLiteral("handle_token"), handleToken},
                              {QStringLiteral("interactive"), false},
                              {QStringLiteral("modal"), true}};
    call << QString() << options;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCWarning(screenQRLog, "Screenshot portal: call failed: %s", qUtf8Printable(reply.errorMessage()));
        return std::nullopt;
    }
    return reply.arguments().constFirst().value<QDBusObjectPath>().path();
}

std::optional<QImage> ScreenshotPortal::waitForImage() {
    QEventLoop loop;
    QTimer::singleShot(responseTimeout_, &loop, &QEventLoop::quit);
    waiting_ = &loop;
    if (!savedFileUri_) loop.exec();
    waiting_ = nullptr;
    if (!savedFileUri_) {
        qCWarning(screenQRLog, "Screenshot portal: no picture received");
        return std::nullopt;
    }
    return readAndDelete(*savedFileUri_);
}

}  // namespace quorbit
