#include "ui/viewmodel/UnlockPurpose.h"

namespace quorbit {

std::string unlockReason(UnlockPurpose purpose, AppLanguage language) {
    switch (purpose) {
    case UnlockPurpose::exportAccounts:
        return std::string(
            localized(language, "Unlock locally to export your accounts.", "Разблокируйте для экспорта аккаунтов."));
    case UnlockPurpose::deleteAccounts:
        return std::string(
            localized(language, "Unlock locally to delete accounts.", "Разблокируйте для удаления аккаунтов."));
    case UnlockPurpose::showCodes: break;
    }
    return std::string(localized(language, "Unlock locally to view and copy authentication codes.",
                                 "Разблокируйте для просмотра и копирования кодов."));
}

}  // namespace quorbit
