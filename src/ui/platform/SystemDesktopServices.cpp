#include "ui/platform/SystemDesktopServices.h"

#include <QDesktopServices>

namespace quorbit {

bool SystemDesktopServices::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace quorbit
