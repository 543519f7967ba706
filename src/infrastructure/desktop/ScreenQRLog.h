#pragma once

#include <QLoggingCategory>

namespace quorbit {

// Diagnostic lines of the screen scan; journald keeps them.
Q_DECLARE_LOGGING_CATEGORY(screenQRLog)

}  // namespace quorbit
