// The real program against a bare Qt Widgets program, each started on a display of our own
// (Xvfb, a private D-Bus session and keyring, 1000 stored accounts): time from exec to the
// 392 x 560 window mapped, memory (PSS) 10 s after start with the panel open, CPU time and
// wakeups over the next 30 s with the codes ticking (ours unlocked through the test PAM stack),
// and the memory at the end of those 30 s, when ours holds every account's secret.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int panelWidth = 392;
constexpr int panelHeight = 560;

void fail(const std::string& message) {
    std::cerr << "StartupBench: " << message << '\n';
    std::exit(1);
}

// Xvfb, a session bus with an unlocked keyring, and private home and data folders.
class BenchSession {
public:
    BenchSession() {
        if (!sandbox_.isValid()) fail("no temporary folder");
        for (const char* folder : {"home", "data", "config", "cache", "runtime", "pam.d"})
            QDir(sandbox_.path()).mkpath(folder);
        chmod(path("runtime").toLocal8Bit().constData(), 0700);
        startDisplay();
        startBus();
        environment_.insert(QStringLiteral("HOME"), path("home"));
        environment_.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        environment_.insert(QStringLiteral("XDG_CACHE_HOME"), path("cache"));
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment_.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
        startKeyring();
    }
    ~BenchSession() {
        for (QProcess* process : {&bus_, &display_}) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }

    QString path(const char* name) const { return QDir(sandbox_.path()).filePath(QString::fromLatin1(name)); }
    const QProcessEnvironment& environment() const { return environment_; }
    QString display() const { return display_name_; }

    int run(const QString& program, const QStringList& arguments, const QByteArray& input = {}) const {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.start(program, arguments);
        if (!input.isEmpty()) process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(120000);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // PAM answers through pam_wrapper and pam_matrix with the password "correct horse".
    QProcessEnvironment unlockableEnvironment() const {
        const QString multiarch = QStringLiteral(QUORBIT_MULTIARCH);
        std::ofstream(path("pam.d").toStdString() + "/quorbit")
            << "auth required /usr/lib/" << multiarch.toStdString() << "/pam_wrapper/pam_matrix.so\n"
            << "account required /usr/lib/" << multiarch.toStdString() << "/pam_wrapper/pam_matrix.so\n";
        std::ofstream(path("passdb").toStdString())
            << qEnvironmentVariable("USER", QStringLiteral("root")).toStdString() << ":correct horse:quorbit\n";
        QProcessEnvironment environment = environment_;
        environment.insert(QStringLiteral("LD_PRELOAD"),
                           QStringLiteral("/usr/lib/%1/libpam_wrapper.so").arg(multiarch));
        environment.insert(QStringLiteral("PAM_WRAPPER"), QStringLiteral("1"));
        environment.insert(QStringLiteral("UID_WRAPPER_DISABLE_DEEPBIND"), QStringLiteral("1"));
        environment.insert(QStringLiteral("PAM_WRAPPER_SERVICE_DIR"), path("pam.d"));
        environment.insert(QStringLiteral("PAM_MATRIX_PASSWD"), path("passdb"));
        return environment;
    }

private:
    void startDisplay() {
        for (int number = 140 + getpid() % 200; number < 600; ++number) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) continue;
            display_name_ = QStringLiteral(":%1").arg(number);
            display_.start(QStringLiteral("Xvfb"),
                           {display_name_, QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            for (int tries = 0; tries < 100; ++tries) {
                if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
                    environment_.insert(QStringLiteral("DISPLAY"), display_name_);
                    return;
                }
                std::this_thread::sleep_for(50ms);
            }
            fail("Xvfb did not start");
        }
        fail("no free display number");
    }

    void startBus() {
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!bus_.waitForReadyRead(10000)) fail("no D-Bus session");
        environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus_.readLine()).trimmed());
    }

    void startKeyring() {
        run(QStringLiteral("gnome-keyring-daemon"),
            {QStringLiteral("--unlock"), QStringLiteral("--components=secrets")}, "quorbit-bench");
        run(QStringLiteral("gnome-keyring-daemon"),
            {QStringLiteral("--start"), QStringLiteral("--components=secrets")});
        for (int tries = 0; tries < 100; ++tries) {
            QProcess probe;
            probe.setProcessEnvironment(environment_);
            probe.start(QStringLiteral("dbus-send"),
                        {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                         QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                         QStringLiteral("org.freedesktop.DBus.NameHasOwner"),
                         QStringLiteral("string:org.freedesktop.secrets")});
            probe.waitForFinished();
            if (probe.readAllStandardOutput().contains("true")) return;
            std::this_thread::sleep_for(100ms);
        }
        fail("the keyring did not start");
    }

    QTemporaryDir sandbox_;
    QProcess display_;
    QProcess bus_;
    QString display_name_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

// Watches the display for windows being mapped.
class MapWatcher {
public:
    explicit MapWatcher(const QString& display) : connection_(xcb_connect(display.toLocal8Bit().constData(), nullptr)) {
        if (xcb_connection_has_error(connection_)) fail("cannot reach the display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }

    // The next top-level window mapped (of the given size, when one is given).
    std::optional<xcb_window_t> nextMapped(std::chrono::milliseconds timeout,
                                           std::optional<QSize> size = std::nullopt) {
        const auto deadline = Clock::now() + timeout;
        while (Clock::now() < deadline) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
                poll(&descriptor, 1, 5);
                continue;
            }
            std::optional<xcb_window_t> mapped;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->event == root_ && (!size || hasSize(map->window, *size))) mapped = map->window;
            }
            free(event);
            if (mapped) return mapped;
        }
        return std::nullopt;
    }

    void focus(xcb_window_t window) {
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        xcb_flush(connection_);
    }

private:
    bool hasSize(xcb_window_t window, QSize size) {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        const bool matches = geometry && geometry->width == size.width() && geometry->height == size.height();
        free(geometry);
        return matches;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
};

class Program {
public:
    Program(const QString& path, const QProcessEnvironment& environment, MapWatcher& watcher) {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        started_ = Clock::now();
        process_.start(path, {});
        if (!process_.waitForStarted()) fail("cannot start " + path.toStdString());
        window_ = watcher.nextMapped(30s, QSize(panelWidth, panelHeight));
        if (!window_) fail(path.toStdString() + " mapped no 392 x 560 window");
        mapTime_ = Clock::now() - started_;
    }
    ~Program() {
        process_.terminate();
        if (!process_.waitForFinished(10000)) process_.kill();
        process_.waitForFinished();
    }

    xcb_window_t window() const { return *window_; }
    double mapSeconds() const { return std::chrono::duration<double>(mapTime_).count(); }
    Clock::time_point started() const { return started_; }
    qint64 pid() const { return process_.processId(); }

    double pssKiB() const {
        std::ifstream rollup("/proc/" + std::to_string(pid()) + "/smaps_rollup");
        std::string line;
        while (std::getline(rollup, line)) {
            if (line.rfind("Pss:", 0) == 0) return std::stod(line.substr(4));
        }
        fail("no PSS for the process");
        return 0;
    }

    // Time on a CPU of each thread, in seconds, from the scheduler's nanoseconds: the clock
    // ticks of /proc/<pid>/stat count 10 ms each, too coarse for a program idling at 1 ms a second.
    std::map<std::string, double> threadCpuSeconds() const {
        std::map<std::string, double> seconds;
        const QString tasks = QStringLiteral("/proc/%1/task").arg(pid());
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            std::ifstream schedstat((tasks + QLatin1Char('/') + task + QStringLiteral("/schedstat")).toStdString());
            double nanoseconds = 0;
            if (schedstat >> nanoseconds) seconds[task.toStdString()] = nanoseconds / 1e9;
        }
        return seconds;
    }

    // Voluntary context switches (the thread slept and was woken) and involuntary ones (it was
    // preempted) of each thread, by thread id, with the thread's name.
    struct Switches {
        std::string name;
        long voluntary = 0;
        long involuntary = 0;
    };
    std::map<std::string, Switches> threadSwitches() const {
        std::map<std::string, Switches> switches;
        const QString tasks = QStringLiteral("/proc/%1/task").arg(pid());
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const std::string folder = (tasks + QLatin1Char('/') + task).toStdString();
            Switches& thread = switches[task.toStdString()];
            std::getline(std::ifstream(folder + "/comm"), thread.name);
            std::ifstream status(folder + "/status");
            for (std::string line; std::getline(status, line);) {
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0) thread.voluntary = std::stol(line.substr(24));
                if (line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) thread.involuntary = std::stol(line.substr(27));
            }
        }
        return switches;
    }

private:
    QProcess process_;
    Clock::time_point started_;
    std::optional<xcb_window_t> window_;
    Clock::duration mapTime_{};
};

// A click on the lock screen's Unlock button asks for the owner's password and then for the
// keyring notice; the copy shortcut then puts a code on the clipboard: from then on the codes tick.
void unlock(const BenchSession& session, MapWatcher& watcher, xcb_window_t panel) {
    std::this_thread::sleep_for(2s);  // the panel lays itself out after it is mapped
    session.run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(panel), QStringLiteral("196"),
                 QStringLiteral("351"), QStringLiteral("click"), QStringLiteral("1")});
    const auto prompt = watcher.nextMapped(30s);
    if (!prompt) fail("no password prompt");
    watcher.focus(*prompt);
    std::this_thread::sleep_for(200ms);
    session.run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("correct horse")});
    session.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    const auto notice = watcher.nextMapped(30s);
    if (!notice) fail("no keyring notice");
    watcher.focus(*notice);
    std::this_thread::sleep_for(200ms);
    session.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    std::this_thread::sleep_for(500ms);
    session.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+alt+c")});
    const QRegularExpression code(QStringLiteral("^[0-9]{6}$"));
    for (int tries = 0; tries < 300; ++tries) {
        QProcess clipboard;
        clipboard.setProcessEnvironment(session.environment());
        clipboard.start(QStringLiteral("xclip"),
                        {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        clipboard.waitForFinished();
        if (code.match(QString::fromUtf8(clipboard.readAllStandardOutput()).trimmed()).hasMatch()) return;
        std::this_thread::sleep_for(100ms);
    }
    fail("the vault did not unlock");
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Usage {
    double pssKiB;
    double cpuSeconds;
    double wakeups;
    double settledPssKiB;
};

// Wakeups of each thread over the idle time, so that the one that wakes can be named.
double countWakeups(const char* programName, const std::map<std::string, Program::Switches>& before,
                    const std::map<std::string, Program::Switches>& after) {
    double wakeups = 0;
    for (const auto& [thread, switches] : after) {
        const auto earlier = before.find(thread);
        const Program::Switches start = earlier == before.end() ? Program::Switches{} : earlier->second;
        wakeups += static_cast<double>(switches.voluntary - start.voluntary);
        std::cout << "  " << programName << " thread " << thread << " (" << switches.name << "): woken "
                  << switches.voluntary - start.voluntary << ", preempted " << switches.involuntary - start.involuntary
                  << '\n';
    }
    return wakeups;
}

Usage steadyUsage(Program& program, const char* programName) {
    std::this_thread::sleep_until(program.started() + 10s);
    const double pss = program.pssKiB();
    const std::map<std::string, double> before = program.threadCpuSeconds();
    const auto switchesBefore = program.threadSwitches();
    std::this_thread::sleep_for(30s);
    const auto switchesAfter = program.threadSwitches();
    // A thread that ended meanwhile takes its share of the 30 s along; one that started counts whole.
    double cpu = 0;
    for (const auto& [thread, seconds] : program.threadCpuSeconds()) {
        const auto earlier = before.find(thread);
        cpu += seconds - (earlier == before.end() ? 0 : earlier->second);
    }
    return {pss, cpu, countWakeups(programName, switchesBefore, switchesAfter), program.pssKiB()};
}

void printRatio(const char* name, double ours, double reference, const char* unit, double target) {
    std::cout << name << ": Quorbit " << ours << ' ' << unit << ", bare Qt " << reference << ' ' << unit << '\n';
    std::cout << "ratio " << name << ": " << ours / reference << " (target <= " << target << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    BenchSession session;
    if (session.run(QStringLiteral(QUORBIT_STORED_VAULT), {QStringLiteral("1000")}) != 0)
        fail("cannot store the accounts");
    MapWatcher watcher(session.display());
    const QString quorbit = QStringLiteral(QUORBIT_PROGRAM);
    const QString bare = QStringLiteral(QUORBIT_BARE_WINDOW);
    const QProcessEnvironment environment = session.unlockableEnvironment();

    std::vector<double> quorbitMaps, bareMaps;
    for (int round = 0; round < 5; ++round) {
        bareMaps.push_back(Program(bare, environment, watcher).mapSeconds());
        quorbitMaps.push_back(Program(quorbit, environment, watcher).mapSeconds());
    }

    Usage bareUsage{};
    {
        Program program(bare, environment, watcher);
        bareUsage = steadyUsage(program, "bare");
    }
    Usage quorbitUsage{};
    {
        Program program(quorbit, environment, watcher);
        unlock(session, watcher, program.window());
        quorbitUsage = steadyUsage(program, "quorbit");
    }

    printRatio("startup-map-time", median(quorbitMaps) * 1000, median(bareMaps) * 1000, "ms", 1.5);
    printRatio("startup-pss-10s", quorbitUsage.pssKiB / 1024, bareUsage.pssKiB / 1024, "MiB", 1.5);
    printRatio("startup-cpu-30s", quorbitUsage.cpuSeconds, bareUsage.cpuSeconds, "s", 3);
    printRatio("startup-wakeups-30s", quorbitUsage.wakeups, bareUsage.wakeups, "wakeups", 3);
    printRatio("unlocked-1000-pss", quorbitUsage.settledPssKiB / 1024, bareUsage.settledPssKiB / 1024, "MiB", 2.6);
    return 0;
}
