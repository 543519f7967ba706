#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace quorbit {

// One Quorbit per user: the first instance listens on a socket in $XDG_RUNTIME_DIR; a later
// one asks it to show its panel and then ends. A socket that nobody answers on is a crash's
// leftover and is removed.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);

    static QString defaultSocketPath();

    // True when another instance answered and was asked to show its panel.
    bool askRunningInstanceToShow();
    // Starts answering later launches; false when the socket cannot be made.
    bool listen();

signals:
    void showRequested();

private:
    void readRequest(QLocalSocket* socket);

    QString socketPath_;
    QLocalServer server_;
};

}  // namespace quorbit
