#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <memory>

#include "app/SingleInstance.h"

namespace quorbit {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    QString socketPath() const { return folder.filePath(QStringLiteral("quorbit.socket")); }

    sockaddr_un address() const {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = socketPath().toLocal8Bit();
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        return address;
    }

    QTemporaryDir folder;
};

TEST_F(SingleInstanceTest, ALaterLaunchAsksTheRunningOneToShowItsPanel) {
    SingleInstance running(socketPath());
    EXPECT_FALSE(running.askRunningInstanceToShow()) << "nobody runs yet";
    ASSERT_TRUE(running.listen());
    EXPECT_EQ(QFileInfo(socketPath()).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                                                        QFile::WriteOther),
              QFile::Permissions());
    QSignalSpy shown(&running, &SingleInstance::showRequested);

    for (int launch = 1; launch <= 2; ++launch) {
        SingleInstance later(socketPath());
        EXPECT_TRUE(later.askRunningInstanceToShow());
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == launch; })) << "launch " << launch;
    }
}

TEST_F(SingleInstanceTest, ASocketLeftByACrashIsRemovedNotObeyed) {
    {
        const int leftover = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un place = address();
        ASSERT_EQ(::bind(leftover, reinterpret_cast<const sockaddr*>(&place), sizeof(place)), 0);
        ::close(leftover);  // its file stays, nobody listens
    }
    SingleInstance next(socketPath());
    EXPECT_FALSE(next.askRunningInstanceToShow());
    ASSERT_TRUE(next.listen());
    QSignalSpy shown(&next, &SingleInstance::showRequested);
    EXPECT_TRUE(SingleInstance(socketPath()).askRunningInstanceToShow());
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 1; }));
}

TEST_F(SingleInstanceTest, OnlyTheShowRequestShowsAndTheSocketGoesWithTheInstance) {
    auto running = std::make_unique<SingleInstance>(socketPath());
    ASSERT_TRUE(running->listen());
    QSignalSpy shown(running.get(), &SingleInstance::showRequested);
    {
        const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un place = address();
        ASSERT_EQ(::connect(client, reinterpret_cast<const sockaddr*>(&place), sizeof(place)), 0);
        const QByteArray lines = QByteArrayLiteral("hello\nshow\n");
        ASSERT_EQ(::send(client, lines.constData(), std::size_t(lines.size()), 0), lines.size());
        ::close(client);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }));
    EXPECT_EQ(shown.size(), 1) << "the other line asked for nothing";
    running.reset();
    EXPECT_FALSE(QFileInfo::exists(socketPath()));
}

}  // namespace
}  // namespace quorbit
