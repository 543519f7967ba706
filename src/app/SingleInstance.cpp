#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quorbit {
namespace {

const QByteArray showRequest = QByteArrayLiteral("show\n");
constexpr int answerTimeoutSeconds = 1;
constexpr qsizetype longestRequest = 64;  // a client sending more is not one of ours

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

SingleInstance::SingleInstance(QString socketPath, QObject* parent) : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    for (auto& [descriptor, client] : clients_) {
        client.notifier.reset();  // before its descriptor goes
        ::close(descriptor);
    }
    if (listening_ < 0) return;
    listener_.reset();
    ::close(listening_);
    QFile::remove(socketPath_);
}

QString SingleInstance::defaultSocketPath() {
    // $XDG_RUNTIME_DIR, or Qt's private stand-in for it when the session has none.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(QStringLiteral("quorbit.socket"));
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
        const ssize_t written = ::send(socket.get(), showRequest.constData() + sent, std::size_t(showRequest.size() - sent),
                                       MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        sent += written;
    }
    return true;
}

bool SingleInstance::listen() {
    if (listening_ >= 0) return true;
    if (!bindSocket()) {
        // Nobody answered on it (askRunningInstanceToShow came first), so it is stale.
        QFile::remove(socketPath_);
        if (!bindSocket()) return false;
    }
    listener_ = std::make_unique<QSocketNotifier>(listening_, QSocketNotifier::Read);
    connect(listener_.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptClients);
    return true;
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
    if (bound != 0 || ::listen(socket.get(), 8) != 0) return false;
    listening_ = socket.release();
    return true;
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

void SingleInstance::readClient(int descriptor) {
    Client& client = clients_.at(descriptor);
    char buffer[longestRequest];
    ssize_t received = 0;
    while ((received = ::recv(descriptor, buffer, sizeof(buffer), 0)) > 0) client.pending.append(buffer, received);
    const bool open = received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    qsizetype end = 0;
    while ((end = client.pending.indexOf('\n')) >= 0) {
        const bool show = client.pending.first(end + 1) == showRequest;
        client.pending.remove(0, end + 1);
        if (show) emit showRequested();
    }
    if (open && client.pending.size() <= longestRequest) return;
    client.notifier.reset();
    ::close(descriptor);
    clients_.erase(descriptor);
}

}  // namespace quorbit
