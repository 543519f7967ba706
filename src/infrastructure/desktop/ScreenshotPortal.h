#pragma once

#include <QDBusConnection>
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
    void handleResponse(uint response, const QVariantMap& results);

private:
    void listenForResponse(const QString& requestPath);
    std::optional<QString> requestScreenshot(const QString& handleToken);
    std::optional<QImage> waitForImage();

    QDBusConnection bus_;
    std::chrono::milliseconds responseTimeout_;
    QEventLoop* waiting_ = nullptr;
    std::optional<QString> savedFileUri_;
};

}  // namespace quorbit
