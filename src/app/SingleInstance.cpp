#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quorbit {
namespace {

const QByteArray showRequest = QByteArrayLiteral("show\n");
constexpr int answerTimeoutSeconds = 1;
constexpr qsizetype longestRequest = 64;  // a client sending more is not one of ours
// A launch that finds the lock taken but nobody answering yet waits this long for the socket.
constexpr int handOverAttempts = 30;
constexpr std::chrono::milliseconds handOverPause{100};

// The socket's address, or nothing when the path does not fit into one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray encoded = QFile::encodeName(path);
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || std::size_t(encoded.size()) >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return true;
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }
    int release() { return std::exchange(descriptor_, -1); }

private:
    int descriptor_;
};

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() { close(); }

QString SingleInstance::defaultSocketPath() {
    // $XDG_RUNTIME_DIR, or Qt's private stand-in for it when the session has none.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("quorbit.socket"));
}

SingleInstance::Claim SingleInstance::claim() {
    for (int attempt = 0; attempt < handOverAttempts; ++attempt) {
        if (askRunningInstanceToShow()) return Claim::handedOver;
        if (listen()) return Claim::first;
        if (!lockHeldElsewhere_) return Claim::refused;
        std::this_thread::sleep_for(handOverPause);
    }
    problem_ =
        QStringLiteral("Quorbit already runs but does not answer on %1; not starting a second one.").arg(socketPath_);
    return Claim::refused;
}

bool SingleInstance::askRunningInstanceToShow() {
    sockaddr_un address{};
    if (!addressOf(socketPath_, address)) return false;
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) return false;
    // A running instance too busy to accept does not hold the new one up for long.
    const timeval timeout{answerTimeoutSeconds, 0};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return false;
    qsizetype sent = 0;
    while (sent < showRequest.size()) {
        const ssize_t written =
            ::send(socket.get(), showRequest.constData() + sent, std::size_t(showRequest.size() - sent), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        sent += written;
    }
    return true;
}

bool SingleInstance::listen() {
    if (lock_ >= 0) return true;
    problem_.clear();
    if (!folderIsPrivate() || !lock()) return false;
    if (!clearSocketPath() || !bindSocket()) return true;  // alone all the same: the lock is ours
    listener_ = std::make_unique<QSocketNotifier>(listening_, QSocketNotifier::Read);
    connect(listener_.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptClients);
    return true;
}

// Another user's folder (or, with no runtime folder at all, the working folder) could hold a
// socket someone else listens on, or let them replace ours.
bool SingleInstance::folderIsPrivate() {
    const QFileInfo socket(socketPath_);
    struct stat folder {};
    if (socket.isRelative() || ::lstat(QFile::encodeName(socket.absolutePath()).constData(), &folder) != 0 ||
        !S_ISDIR(folder.st_mode) || folder.st_uid != ::geteuid() || (folder.st_mode & 0777) != 0700) {
        problem_ = QStringLiteral("%1 is not a folder of this user's alone (owner only, mode 0700); not starting.")
                       .arg(socket.absolutePath());
        return false;
    }
    return true;
}

bool SingleInstance::lock() {
    const QByteArray path = QFile::encodeName(socketPath_ + QStringLiteral(".lock"));
    Descriptor file(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    lockHeldElsewhere_ = false;
    if (file.get() >= 0 && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0) {
        lock_ = file.release();
        return true;
    }
    lockHeldElsewhere_ = file.get() >= 0 && errno == EWOULDBLOCK;
    if (!lockHeldElsewhere_)
        problem_ = QStringLiteral("Cannot lock %1: %2").arg(QFile::decodeName(path), qt_error_string(errno));
    return false;
}

// Only a socket nobody answers on goes; anything else in its place is reported and left alone.
bool SingleInstance::clearSocketPath() {
    const QByteArray path = QFile::encodeName(socketPath_);
    struct stat found {};
    if (::lstat(path.constData(), &found) != 0) return true;
    if (S_ISSOCK(found.st_mode) && !askRunningInstanceToShow()) return ::unlink(path.constData()) == 0;
    problem_ = QStringLiteral("%1 is in the way of the socket; a later launch cannot reach this one.").arg(socketPath_);
    return false;
}

// The socket is made readable and writable by its owner only.
bool SingleInstance::bindSocket() {
    sockaddr_un address{};
    if (!addressOf(socketPath_, address)) return false;
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return false;
    const mode_t previousMask = ::umask(0077);
    const int bound = ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    ::umask(previousMask);
    struct stat made {};
    if (bound != 0 || ::listen(socket.get(), 8) != 0 || ::stat(address.sun_path, &made) != 0) {
        problem_ = QStringLiteral("Cannot listen on %1: %2").arg(socketPath_, qt_error_string(errno));
        return false;
    }
    socketInode_ = made.st_ino;
    listening_ = socket.release();
    return true;
}

void SingleInstance::close() {
    while (!clients_.empty()) dropClient(clients_.begin()->first);
    if (listening_ >= 0) {
        listener_.reset();  // before its descriptor goes
        ::close(std::exchange(listening_, -1));
        // Ours only: never a socket that replaced it.
        const QByteArray path = QFile::encodeName(socketPath_);
        struct stat found {};
        if (::lstat(path.constData(), &found) == 0 && found.st_ino == socketInode_) ::unlink(path.constData());
    }
    if (lock_ >= 0) ::close(std::exchange(lock_, -1));
}

void SingleInstance::acceptClients() {
    for (;;) {
        const int descriptor = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor < 0) return;
        auto notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
        connect(notifier.get(), &QSocketNotifier::activated, this, [this, descriptor] { readClient(descriptor); });
        clients_.emplace(descriptor, Client{std::move(notifier), {}});
    }
}

// A launch sends one short request; whoever sends more is dropped before it is read.
void SingleInstance::readClient(int descriptor) {
    Client& client = clients_.at(descriptor);
    char buffer[longestRequest + 1];
    ssize_t received = 0;
    while (client.received <= longestRequest &&
           (received = ::recv(descriptor, buffer, std::size_t(longestRequest + 1 - client.received), 0)) > 0) {
        client.pending.append(buffer, received);
        client.received += received;
    }
    const bool open = received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    if (client.received > longestRequest) return dropClient(descriptor);
    qsizetype end = 0;
    while ((end = client.pending.indexOf('\n')) >= 0) {
        const bool show = client.pending.first(end + 1) == showRequest;
        client.pending.remove(0, end + 1);
        if (show) emit showRequested();
    }
    if (!open) dropClient(descriptor);
}

void SingleInstance::dropClient(int descriptor) {
    const auto found = clients_.find(descriptor);
    found->second.notifier.reset();  // before its descriptor goes
    ::close(descriptor);
    clients_.erase(found);
}

}  // namespace quorbit
