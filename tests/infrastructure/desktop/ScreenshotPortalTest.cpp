#include "infrastructure/desktop/ScreenshotPortal.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>

namespace quorbit {
namespace {

// The desktop portal's Screenshot call, answered on the request object the way the portal
// names it. The answer is signalled before the call returns, as a fast portal may do.
class FakeScreenshotPortal : public QDBusVirtualObject {
public:
    FakeScreenshotPortal(uint response, QString savedFile) : response_(response), savedFile_(std::move(savedFile)) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Screenshot")) return false;
        const auto options = qdbus_cast<QVariantMap>(message.arguments().at(1));
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                                    QLatin1Char('/') + options.value(QStringLiteral("handle_token")).toString();
        QDBusMessage answer = QDBusMessage::createSignal(requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        answer << response_ << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(savedFile_).toString()}};
        connection.send(answer);
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(requestPath))));
        return true;
    }

private:
    uint response_;
    QString savedFile_;
};

class ScreenshotPortalTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "needs a session bus";
        savedFile_ = dir_.filePath(QStringLiteral("Screenshot.png"));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(savedFile_));
    }

    void TearDown() override {
        if (!serving_) return;
        portalBus_.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        portalBus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        QDBusConnection::disconnectFromBus(portalBus_.name());
    }

    void servePortal(uint response) {
        portal_.emplace(response, savedFile_);
        ASSERT_TRUE(portalBus_.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &*portal_));
        ASSERT_TRUE(portalBus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        serving_ = true;
    }

    // The fake portal answers on the GUI thread while the request waits on a worker, as in the program.
    static std::optional<QImage> screenshotFromWorker() {
        auto shot = std::async(std::launch::async, [] { return ScreenshotPortal().takeScreenshot(); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&shot] { return shot.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 30'000));
        return shot.get();
    }

    QTemporaryDir dir_;
    QString savedFile_;
    QDBusConnection portalBus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-portal");
    std::optional<FakeScreenshotPortal> portal_;
    bool serving_ = false;
};

TEST_F(ScreenshotPortalTest, ReadsTheSavedPictureAndDeletesIt) {
    servePortal(0);
    const std::optional<QImage> picture = screenshotFromWorker();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(64, 48));
    EXPECT_FALSE(QFile::exists(savedFile_));
}

TEST_F(ScreenshotPortalTest, RefusedRequestGivesNoPicture) {
    servePortal(1);
    EXPECT_FALSE(screenshotFromWorker());
}

TEST_F(ScreenshotPortalTest, MissingPortalGivesNoPicture) {
    EXPECT_FALSE(screenshotFromWorker());
}

}  // namespace
}  // namespace quorbit
