#include <chrono>
#include <csignal>
#include <cstdlib>

#include <QApplication>
#include <QDebug>
#include <QSocketNotifier>
#include <QSystemTrayIcon>

#include <sys/socket.h>
#include <unistd.h>

#include "app/AppComposition.h"
#include "app/ProcessHardening.h"
#include "app/SettingsWindowHost.h"
#include "app/SingleInstance.h"
#include "app/TrayItem.h"
#include "config/DesktopNames.h"
#include "ui/platform/ApplicationTheme.h"
#include "ui/platform/QtTranslation.h"

namespace {

int terminationPipe[2];

// How long the end of the run waits for the job the worker is running. An import stops
// between accounts well within it; a keyring call that waits for a prompt may never end.
constexpr std::chrono::seconds jobWaitAtExit{3};

// SIGTERM and SIGINT end the event loop, so that the program shuts down as on Quit.
void quitOnTerminationSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0) return;
    auto* notifier = new QSocketNotifier(terminationPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = [](int) {
        const char byte = 1;
        (void)!::write(terminationPipe[0], &byte, 1);
    };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    quorbit::ProcessHardening::apply();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorbit"));
    QApplication::setApplicationVersion(QStringLiteral(QUORBIT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quorbit"));
    QApplication::setQuitOnLastWindowClosed(false);

    quorbit::SingleInstance instance;
    const quorbit::SingleInstance::Claim claim = instance.claim();
    if (!instance.problem().isEmpty()) qCritical().noquote() << instance.problem();
    if (claim == quorbit::SingleInstance::Claim::handedOver) return 0;
    if (claim == quorbit::SingleInstance::Claim::refused) return 1;
    quitOnTerminationSignals(app);

    quorbit::AppComposition composition;
    quorbit::QtTranslation qtTranslation;
    qtTranslation.follow(composition.viewModel());
    quorbit::ApplicationTheme theme(composition.viewModel());
    quorbit::SettingsWindowHost settingsWindow(composition.viewModel());
    quorbit::TrayItem statusItem(composition.viewModel(), composition.hotKeyService(), settingsWindow,
                                 QSystemTrayIcon::isSystemTrayAvailable());
    QObject::connect(&instance, &quorbit::SingleInstance::showRequested, &statusItem, &quorbit::TrayItem::showPanel);
    const int status = QApplication::exec();
    instance.close();  // a new launch must start at once, not find this one winding down
    // Every store writes atomically and the keyring item by item, so ending in the middle of a
    // job leaves files whole; secrets no account refers to are swept at the next start.
    if (!composition.stopWork(jobWaitAtExit)) std::_Exit(status);
    return status;
}
