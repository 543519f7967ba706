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
#include <utility>
#include <vector>

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

// Leaves its first request unanswered; while serving the second it first answers the first with
// a picture, too late, and then refuses the second.
class LateAnsweringPortal : public QDBusVirtualObject {
public:
    explicit LateAnsweringPortal(QString lateFile) : lateFile_(std::move(lateFile)) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Screenshot")) return false;
        const QString path =
            QStringLiteral("/org/freedesktop/portal/desktop/request/late/%1").arg(requestPaths_.size());
        requestPaths_.push_back(path);
        if (requestPaths_.size() == 2) {
            connection.send(response(requestPaths_[0], 0));
            connection.send(response(path, 1));
        }
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        return true;
    }

private:
    QDBusMessage response(const QString& path, uint code) const {
        QDBusMessage answer = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        answer << code << QVariantMap{{QStringLiteral("uri"), QUrl::fromLocalFile(lateFile_).toString()}};
        return answer;
    }

    QString lateFile_;
    std::vector<QString> requestPaths_;
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
        serve(&*portal_);
    }

    void serve(QDBusVirtualObject* portal) {
        ASSERT_TRUE(portalBus_.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), portal));
        ASSERT_TRUE(portalBus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        serving_ = true;
    }

    // The fake portal answers on the GUI thread while the request waits on a worker, as in the program.
    template <typename Work>
    static auto fromWorker(Work work) {
        auto result = std::async(std::launch::async, work);
        EXPECT_TRUE(QTest::qWaitFor(
            [&result] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 30'000));
        return result.get();
    }

    static std::optional<QImage> screenshotFromWorker() {
        return fromWorker([] { return ScreenshotPortal().takeScreenshot(); });
    }

    QTemporaryDir dir_;
    QString savedFile_;
    QDBusConnection portalBus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-portal");
    std::optional<FakeScreenshotPortal> portal_;
    std::optional<LateAnsweringPortal> latePortal_;
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

TEST_F(ScreenshotPortalTest, ALateAnswerToAnEarlierRequestDoesNotAnswerTheNextOne) {
    latePortal_.emplace(savedFile_);
    serve(&*latePortal_);
    const auto [first, second] = fromWorker([] {
        ScreenshotPortal screenshots(QDBusConnection::sessionBus(), std::chrono::milliseconds(200));
        std::optional<QImage> unanswered = screenshots.takeScreenshot();
        return std::pair(std::move(unanswered), screenshots.takeScreenshot());
    });
    EXPECT_FALSE(first);
    EXPECT_FALSE(second) << "the refused request took the earlier request's picture";
    EXPECT_TRUE(QFile::exists(savedFile_));
}

TEST_F(ScreenshotPortalTest, MissingPortalGivesNoPicture) { EXPECT_FALSE(screenshotFromWorker()); }

}  // namespace
}  // namespace quorbit
