#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <optional>

#include "application/ports/SessionEventSource.h"

namespace quorbit {

// Sleep, screen lock and session switches from logind on the system bus (the manager's
// PrepareForSleep, the session's Lock signal, its LockedHint and Active properties) and from
// the screen saver on the session bus (ActiveChanged). Without logind it logs one line and
// reports none of logind's events. GUI thread only.
class LogindSessionEventSource final : public QObject, public SessionEventSource {
    Q_OBJECT

public:
    // The system's and the session's buses, reached on the turn of the event loop after
    // watch(): their round trips do not hold up the start.
    explicit LogindSessionEventSource(QObject* parent = nullptr);
    // Private buses, watched at once (tests).
    LogindSessionEventSource(QDBusConnection systemBus, QDBusConnection sessionBus, QObject* parent = nullptr);

    void watch(Handler handler) override;

private slots:
    void onPrepareForSleep(bool starting);
    void onSessionLock();
    void onSessionUnlock();
    void onSessionPropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                    const QStringList& invalidated);
    void onScreenSaverActiveChanged(bool active);

private:
    void subscribe();
    bool watchLogind();
    QString sessionPath() const;
    void reportScreenLocked();
    void report(Event event) const;

    std::optional<QDBusConnection> systemBus_;
    std::optional<QDBusConnection> sessionBus_;
    Handler handler_;
    // One lock of the screen can arrive as a signal, a property and the screen saver; it is
    // reported once, until the screen is unlocked again.
    bool screenLocked_ = false;
};

}  // namespace quorbit
