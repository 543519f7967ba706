#include "infrastructure/desktop/ScreenQRLog.h"

namespace quorbit {

Q_LOGGING_CATEGORY(screenQRLog, "ru.velmorin.quorbit.ScreenQR", QtInfoMsg)

}  // namespace quorbit
