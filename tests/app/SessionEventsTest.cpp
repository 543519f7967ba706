#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

#include "infrastructure/desktop/LogindSessionEventSource.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString login1Path = QStringLiteral("/org/freedesktop/login1");
const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");
const QString mockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

// A private bus that stands in for the system bus, with python-dbusmock's logind on it and one
// session ("c7") that is ours through $XDG_SESSION_ID.
class MockLogind {
public:
    MockLogind() {
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!bus_.waitForReadyRead(10000)) return;
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
        logind_.setProcessEnvironment(environment);
        logind_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session"),
                       QStringLiteral("--template"), QStringLiteral("logind")});
        QDBusConnection bus = connection(QStringLiteral("test-driver"));
        if (!QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(login1).value(); }, 10000)) return;
        call(login1Path, QStringLiteral("AddSeat"), {QStringLiteral("seat0")});
        call(login1Path, QStringLiteral("AddUser"), {1000u, QStringLiteral("owner"), true});
        call(login1Path, QStringLiteral("AddSession"),
             {QStringLiteral("c7"), QStringLiteral("seat0"), 1000u, QStringLiteral("owner"), true});
        ready_ = true;
    }
    ~MockLogind() {
        logind_.kill();
        logind_.waitForFinished();
        bus_.kill();
        bus_.waitForFinished();
    }

    bool ready() const { return ready_; }
    QDBusConnection connection(const QString& name) const { return QDBusConnection::connectToBus(address_, name); }

    bool call(const QString& path, const QString& method, const QVariantList& arguments,
              const QString& interface = mockInterface) const {
        QDBusMessage message = QDBusMessage::createMethodCall(login1, path, interface, method);
        message.setArguments(arguments);
        return connection(QStringLiteral("test-driver")).call(message).type() == QDBusMessage::ReplyMessage;
    }

private:
    QProcess bus_;
    QProcess logind_;
    QString address_;
    bool ready_ = false;
};

class SessionEventsTest : public ViewModelFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(logind->ready()) << "the mock logind did not come up";
        qputenv("XDG_SESSION_ID", "c7");
        source.emplace(logind->connection(QStringLiteral("as-system")),
                       logind->connection(QStringLiteral("as-session")));
        sessionEventSource = &*source;
        ASSERT_TRUE(settingsStore.loadSettings().lockOnSleepOrScreenLock);
        makeViewModel();
        run(viewModel->start());
        run(viewModel->unlock());
        ASSERT_TRUE(viewModel->isUnlocked());
    }
    void TearDown() override {
        viewModel.reset();
        qunsetenv("XDG_SESSION_ID");
    }

    bool locksTheViewModel() const {
        return QTest::qWaitFor([&] { return !viewModel->isUnlocked(); }, 5000);
    }

    static void SetUpTestSuite() { logind = std::make_unique<MockLogind>(); }
    static void TearDownTestSuite() { logind.reset(); }

    static inline std::unique_ptr<MockLogind> logind;
    std::optional<LogindSessionEventSource> source;
};

TEST_F(SessionEventsTest, GoingToSleepLocks) {
    ASSERT_TRUE(logind->call(login1Path, QStringLiteral("EmitSignal"),
                             {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                              QStringLiteral("b"), QVariantList{true}}));
    EXPECT_TRUE(locksTheViewModel());
}

TEST_F(SessionEventsTest, TheSessionsLockSignalLocks) {
    ASSERT_TRUE(
        logind->call(sessionPath, QStringLiteral("Lock"), {}, QStringLiteral("org.freedesktop.login1.Session")));
    EXPECT_TRUE(locksTheViewModel());
}

TEST_F(SessionEventsTest, LosingTheActiveSessionLocks) {
    ASSERT_TRUE(logind->call(
        sessionPath, QStringLiteral("UpdateProperties"),
        {QStringLiteral("org.freedesktop.login1.Session"), QVariantMap{{QStringLiteral("Active"), false}}}));
    EXPECT_TRUE(locksTheViewModel());
}

TEST_F(SessionEventsTest, WakingUpDoesNotLock) {
    ASSERT_TRUE(logind->call(login1Path, QStringLiteral("EmitSignal"),
                             {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                              QStringLiteral("b"), QVariantList{false}}));
    QTest::qWait(300);
    EXPECT_TRUE(viewModel->isUnlocked());
}

TEST_F(SessionEventsTest, TheScreenSaverStartingLocks) {
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/ScreenSaver"),
                                                     QStringLiteral("org.freedesktop.ScreenSaver"),
                                                     QStringLiteral("ActiveChanged"));
    signal << true;
    ASSERT_TRUE(logind->connection(QStringLiteral("screen-saver")).send(signal));
    EXPECT_TRUE(locksTheViewModel());
}

TEST(SessionEventsWithoutLogindTest, ReportsNothing) {
    QDBusConnection nowhere =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), QStringLiteral("nowhere"));
    LogindSessionEventSource source(nowhere, nowhere);
    int events = 0;
    source.watch([&](SessionEventSource::Event) { ++events; });
    QTest::qWait(100);
    EXPECT_EQ(events, 0);
}

}  // namespace
}  // namespace quorbit::test
