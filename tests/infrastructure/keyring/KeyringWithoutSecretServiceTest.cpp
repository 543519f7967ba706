#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/ThrownError.h"

#include <functional>
#include <string>

#include "config/KeyringNames.h"
#include "domain/QuorbitError.h"
#include "infrastructure/keyring/KeyringSecretStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"

// The store's answer when nothing provides the Secret Service. The test starts a private bus
// without any service files, so nothing can be started on demand, and runs its checks in a
// copy of this program connected to that bus.
namespace quorbit {
namespace {

constexpr const char* childMarker = "QUORBIT_TEST_BUS_WITHOUT_SECRET_SERVICE";
constexpr const char* secretServiceName = "org.freedesktop.secrets";

// A session bus of our own; its configuration names no service folder.
class PrivateBus {
public:
    PrivateBus() {
        QFile config(folder_.filePath("bus.conf"));
        if (!config.open(QIODevice::WriteOnly)) return;
        config.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\""
                                    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">"
                                    "<busconfig><type>session</type><listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                    "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                    "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                         .arg(folder_.path())
                         .toUtf8());
        config.close();
        daemon_.start("dbus-daemon", {"--nofork", "--print-address=1", "--config-file=" + config.fileName()});
        if (daemon_.waitForStarted() && daemon_.waitForReadyRead()) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }
    const QString& address() const { return address_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

bool secretServiceRegistered(const QString& busAddress) {
    const QString name = QStringLiteral("private-bus-check");
    bool registered = false;
    {
        const QDBusConnection connection = QDBusConnection::connectToBus(busAddress, name);
        registered = connection.isConnected() && connection.interface()->isServiceRegistered(secretServiceName).value();
    }
    QDBusConnection::disconnectFromBus(name);
    return registered;
}

void expectMissingServiceNamed(const std::function<void()>& action) {
    const QuorbitError error = test::thrownError(action);
    EXPECT_EQ(error.errorCase(), QuorbitError::Case::keychainAccessDenied);
    EXPECT_NE(error.detail().find("no Secret Service is running"), std::string::npos) << error.detail();
    EXPECT_NE(std::string(error.what()).find("GNOME Keyring, KWallet or KeePassXC"), std::string::npos) << error.what();
}

void checkEveryOperationWithoutTheService() {
    SecretServiceClient client;
    KeyringSecretStore store{std::string(KeyringNames::service), std::string(KeyringNames::legacyService), client,
                             false};
    const OtpSecretRef ref{"REF-WITHOUT-SERVICE"};
    expectMissingServiceNamed([&] { store.saveSecret(SecretBytes{0x01}, ref); });
    expectMissingServiceNamed([&] { store.loadSecret(ref); });
    expectMissingServiceNamed([&] { store.deleteSecret(ref); });
}

TEST(KeyringWithoutSecretService, IsRefusedAccessThatNamesTheMissingService) {
    if (qEnvironmentVariableIsSet(childMarker)) {
        checkEveryOperationWithoutTheService();
        return;
    }
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    environment.insert(childMarker, "1");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=KeyringWithoutSecretService.IsRefusedAccessThatNamesTheMissingService"});
    ASSERT_TRUE(child.waitForFinished(120'000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();

    EXPECT_FALSE(secretServiceRegistered(bus.address())) << "something started a Secret Service on demand";
}

}  // namespace
}  // namespace quorbit
