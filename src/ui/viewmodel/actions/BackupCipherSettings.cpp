#include "ui/viewmodel/actions/BackupCipherSettings.h"

#include <algorithm>

namespace quorbit {

BackupCipherSettings BackupCipherSettings::from(const AppSettings& settings) {
    return BackupCipherSettings{
        static_cast<int>(std::clamp(settings.backupPBKDF2Iterations, minIterations, maxIterations)),
        static_cast<int>(std::clamp(settings.backupSaltBytes, minSaltBytes, maxSaltBytes)),
    };
}

}  // namespace quorbit
