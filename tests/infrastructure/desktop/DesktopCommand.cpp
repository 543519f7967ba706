#include "DesktopCommand.h"

#include <QProcess>
#include <QtTest/QTest>

namespace quorbit::test {

DesktopCommand DesktopCommand::run(const QString& program, const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) return {};
    process.write(input);
    process.closeWriteChannel();
    if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 10000)) {
        process.kill();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput()};
}

}  // namespace quorbit::test
