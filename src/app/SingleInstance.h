#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSocketNotifier;

namespace quorbit {

// One Quorbit per user: the first instance listens on a Unix socket in $XDG_RUNTIME_DIR; a
// later one asks it to show its panel and then ends. A socket that nobody answers on is a
// crash's leftover and is removed. Plain sockets on the event loop do this with no network
// library loaded at start.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultSocketPath();

    // True when another instance answered and was asked to show its panel.
    bool askRunningInstanceToShow();
    // Starts answering later launches; false when the socket cannot be made.
    bool listen();

signals:
    void showRequested();

private:
    struct Client {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray pending;
    };
    bool bindSocket();
    void acceptClients();
    void readClient(int descriptor);

    QString socketPath_;
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> listener_;
    std::map<int, Client> clients_;
};

}  // namespace quorbit
