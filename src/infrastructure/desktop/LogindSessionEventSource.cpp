#include "infrastructure/desktop/LogindSessionEventSource.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QLoggingCategory>
#include <QTimer>

#include "config/LogCategoryNames.h"

namespace quorbit {
namespace {

Q_LOGGING_CATEGORY(sessionLog, LogCategoryNames::session, QtInfoMsg)

const QString logindService = QStringLiteral("org.freedesktop.login1");
const QString logindPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString screenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr int callTimeoutMs = 2000;

}  // namespace

LogindSessionEventSource::LogindSessionEventSource(QObject* parent) : QObject(parent) {}

LogindSessionEventSource::LogindSessionEventSource(QDBusConnection systemBus, QDBusConnection sessionBus,
                                                   QObject* parent)
    : QObject(parent), systemBus_(std::move(systemBus)), sessionBus_(std::move(sessionBus)) {}

void LogindSessionEventSource::watch(Handler handler) {
    handler_ = std::move(handler);
    if (systemBus_) {
        subscribe();
        return;
    }
    QTimer::singleShot(0, this, [this] {
        systemBus_ = QDBusConnection::systemBus();
        sessionBus_ = QDBusConnection::sessionBus();
        subscribe();
    });
}

void LogindSessionEventSource::subscribe() {
    if (!watchLogind())
        qCInfo(sessionLog) << "logind is not reachable; sleep and session switches will not lock the vault";
    if (sessionBus_->isConnected()) {
        // Any screen saver of the session may send it, so no sender is named.
        sessionBus_->connect(QString(), QString(), screenSaverInterface, QStringLiteral("ActiveChanged"), this,
                             SLOT(onScreenSaverActiveChanged(bool)));
    }
}

bool LogindSessionEventSource::watchLogind() {
    if (!systemBus_->isConnected()) return false;
    const QString session = sessionPath();
    if (session.isEmpty()) return false;
    systemBus_->connect(logindService, logindPath, managerInterface, QStringLiteral("PrepareForSleep"), this,
                        SLOT(onPrepareForSleep(bool)));
    systemBus_->connect(logindService, session, sessionInterface, QStringLiteral("Lock"), this, SLOT(onSessionLock()));
    systemBus_->connect(logindService, session, sessionInterface, QStringLiteral("Unlock"), this,
                        SLOT(onSessionUnlock()));
    systemBus_->connect(logindService, session, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                        SLOT(onSessionPropertiesChanged(QString, QVariantMap, QStringList)));
    return true;
}

// The session of $XDG_SESSION_ID, else the one logind finds for this process ("auto").
QString LogindSessionEventSource::sessionPath() const {
    QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (id.isEmpty()) id = QStringLiteral("auto");
    QDBusMessage call =
        QDBusMessage::createMethodCall(logindService, logindPath, managerInterface, QStringLiteral("GetSession"));
    call << id;
    const QDBusMessage reply = systemBus_->call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return reply.arguments().constFirst().value<QDBusObjectPath>().path();
}

void LogindSessionEventSource::onPrepareForSleep(bool starting) {
    if (starting) report(Event::willSleep);
}

void LogindSessionEventSource::onSessionLock() { reportScreenLocked(); }

void LogindSessionEventSource::onSessionUnlock() { screenLocked_ = false; }

void LogindSessionEventSource::onSessionPropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                                          const QStringList&) {
    if (interfaceName != sessionInterface) return;
    if (const auto locked = changed.find(QStringLiteral("LockedHint")); locked != changed.end()) {
        if (locked->toBool()) {
            reportScreenLocked();
        } else {
            screenLocked_ = false;
        }
    }
    if (const auto active = changed.find(QStringLiteral("Active")); active != changed.end() && !active->toBool()) {
        report(Event::sessionResignedActive);
    }
}

void LogindSessionEventSource::onScreenSaverActiveChanged(bool active) {
    if (active) {
        reportScreenLocked();
    } else {
        screenLocked_ = false;
    }
}

void LogindSessionEventSource::reportScreenLocked() {
    if (screenLocked_) return;
    screenLocked_ = true;
    report(Event::screenLocked);
}

void LogindSessionEventSource::report(Event event) const {
    if (handler_) handler_(event);
}

}  // namespace quorbit
