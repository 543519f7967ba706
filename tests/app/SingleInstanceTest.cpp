#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

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
    EXPECT_EQ(QFileInfo(socketPath()).permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
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

// Two launches at the same moment: the later one must not take the socket of the one that runs.
TEST_F(SingleInstanceTest, ALaunchThatLosesTheRaceLeavesTheRunningSocketAlone) {
    SingleInstance running(socketPath());
    ASSERT_TRUE(running.listen());
    QSignalSpy shown(&running, &SingleInstance::showRequested);
    SingleInstance racing(socketPath());
    EXPECT_FALSE(racing.listen());
    EXPECT_TRUE(SingleInstance(socketPath()).askRunningInstanceToShow());
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 1; }));

    running.close();
    EXPECT_EQ(SingleInstance(socketPath()).claim(), SingleInstance::Claim::first)
        << "a closed instance is out of the way";
}

// Something else at the socket's place: the instance that holds the lock runs alone and says
// so; a later launch cannot reach it and refuses to start a second one.
TEST_F(SingleInstanceTest, AFolderAtTheSocketPathIsReportedAndASecondLaunchRefused) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("quorbit.socket")));
    SingleInstance running(socketPath());
    EXPECT_EQ(running.claim(), SingleInstance::Claim::first);
    EXPECT_TRUE(running.problem().contains(socketPath()));
    SingleInstance second(socketPath());
    EXPECT_EQ(second.claim(), SingleInstance::Claim::refused);
    EXPECT_FALSE(second.problem().isEmpty());
    EXPECT_TRUE(QFileInfo(socketPath()).isDir()) << "what is in the way is not removed";
}

TEST_F(SingleInstanceTest, AFolderThatIsNotOursAloneIsRefused) {
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                         QFile::ReadGroup | QFile::ExeGroup));
    SingleInstance shared(socketPath());
    EXPECT_EQ(shared.claim(), SingleInstance::Claim::refused);
    EXPECT_TRUE(shared.problem().contains(folder.path()));
    EXPECT_FALSE(QFileInfo::exists(socketPath()));

    SingleInstance working(QStringLiteral("quorbit.socket"));  // no runtime folder: the working folder
    EXPECT_EQ(working.claim(), SingleInstance::Claim::refused);
}

// A client that pushes without end is read no further than a request can be long, then dropped.
TEST_F(SingleInstanceTest, AClientSendingMoreThanARequestIsDroppedUnread) {
    SingleInstance running(socketPath());
    ASSERT_TRUE(running.listen());
    QSignalSpy shown(&running, &SingleInstance::showRequested);
    constexpr std::size_t flood = 16 * 1024 * 1024;
    std::atomic<std::size_t> sent{0};
    std::atomic<bool> done{false};
    std::thread client([&, place = address()] {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&place), sizeof(place)) == 0) {
            const std::vector<char> chunk(64 * 1024, 'x');
            while (sent < flood) {
                const ssize_t written = ::send(socket, chunk.data(), chunk.size(), MSG_NOSIGNAL);
                if (written <= 0) break;
                sent += std::size_t(written);
            }
        }
        ::close(socket);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 20000));
    client.join();
    EXPECT_LT(sent.load(), flood / 4) << "the flood was read on";
    EXPECT_TRUE(shown.isEmpty());
}

}  // namespace
}  // namespace quorbit
