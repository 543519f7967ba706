#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QImage>
#include <QObject>
#include <QVariantMap>

#include <chrono>
#include <optional>

class QEventLoop;

namespace quorbit {

// A picture of the whole desktop through the xdg-desktop-portal Screenshot interface, the
// only capture a Wayland compositor allows; the portal asks the user when it needs to.
// Blocks the calling thread until the portal answers, running a local event loop there.
class ScreenshotPortal : public QObject {
    Q_OBJECT

public:
    explicit ScreenshotPortal(QDBusConnection bus = QDBusConnection::sessionBus(),
                              std::chrono::milliseconds responseTimeout = std::chrono::minutes(2));

    // Nothing when the portal is missing, the user refused, or no answer came in time.
    // The file the portal saved is deleted once read.
    std::optional<QImage> takeScreenshot();

private slots:
    void handleResponse(uint response, const QVariantMap& results, const QDBusMessage& message);

private:
    // One request, one listener: an answer is taken only from the request object it names.
    void listenForResponse(const QString& requestPath);
    void stopListening();
    std::optional<QString> requestScreenshot(const QString& handleToken);
    std::optional<QImage> waitForImage();

    QDBusConnection bus_;
    std::chrono::milliseconds responseTimeout_;
    QEventLoop* waiting_ = nullptr;
    QString requestPath_;
    std::optional<QString> savedFileUri_;
};

}  // namespace quorbit
