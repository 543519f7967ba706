#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorbit::test {

// Runs another X client (xclip, xdotool) to completion while this process keeps serving its
// own events: the clipboard owner must answer the other client's requests meanwhile.
struct DesktopCommand {
    int exitCode = -1;
    QByteArray output;

    static DesktopCommand run(const QString& program, const QStringList& arguments, const QByteArray& input = {});
};

}  // namespace quorbit::test
