#include "infrastructure/desktop/ScreenQRLog.h"

#include "config/LogCategoryNames.h"

namespace quorbit {

Q_LOGGING_CATEGORY(screenQRLog, LogCategoryNames::screenQR, QtInfoMsg)

}  // namespace quorbit
