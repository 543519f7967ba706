#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <memory>

#include <sys/types.h>

class QSocketNotifier;

namespace quorbit {

// One Quorbit per user: the first instance holds a lock file in $XDG_RUNTIME_DIR and listens on
// a Unix socket beside it; a later one asks it to show its panel and then ends. Only the lock's
// holder replaces a socket file, and only one that nobody answers on (a crash's leftover). A
// folder that is not ours alone is refused. Plain sockets on the event loop do this with no
// network library loaded at start.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultSocketPath();

    enum class Claim { first, handedOver, refused };
    // At launch: asks a running instance to show its panel, or becomes the one instance. A
    // launch racing another one waits for it a moment. Refused, with the reason in problem(),
    // when the folder is not ours alone or the running instance cannot be reached.
    Claim claim();

    // True when another instance answered and was asked to show its panel.
    bool askRunningInstanceToShow();
    // Takes the lock and starts answering later launches. False when the lock is not ours;
    // when something else than a socket is in the socket's place this instance still runs
    // alone, and problem() says why later launches cannot reach it.
    bool listen();
    // Why the last claim or listen fell short; empty when nothing did.
    QString problem() const { return problem_; }
    // Stops answering and removes our socket, so that a new launch starts at once.
    void close();

signals:
    void showRequested();

private:
    struct Client {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray pending;
        qsizetype received = 0;
    };
    bool folderIsPrivate();
    bool lock();
    bool bindSocket();
    bool clearSocketPath();
    void acceptClients();
    void readClient(int descriptor);
    void dropClient(int descriptor);

    QString socketPath_;
    QString problem_;
    int lock_ = -1;
    bool lockHeldElsewhere_ = false;
    int listening_ = -1;
    ino_t socketInode_ = 0;
    std::unique_ptr<QSocketNotifier> listener_;
    std::map<int, Client> clients_;
};

}  // namespace quorbit
