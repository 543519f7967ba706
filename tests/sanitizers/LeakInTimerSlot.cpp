#include <QCoreApplication>
#include <QTimer>

#include <cstring>

// Leaks on purpose inside a lambda that the event loop runs, where every frame below ours
// belongs to Qt or glib: the leak suppressions must still let LeakSanitizer report it.
// With --no-leak the same loop runs clean, so the libraries' own exit-time leaks stay hidden.
namespace {

char* volatile lost = nullptr;

void leak() {
    lost = new char[64];
    std::memset(lost, 1, 64);
    lost = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool leaking = !QCoreApplication::arguments().contains(QStringLiteral("--no-leak"));
    QTimer::singleShot(1, &app, [leaking] {
        if (leaking) leak();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
