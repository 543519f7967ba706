// Each port header compiles on its own and declares an interface that adapters must complete.
#include <type_traits>

#include "application/ports/AccountGroupRepository.h"
#include "application/ports/BackupCryptoService.h"
#include "application/ports/ClipboardService.h"
#include "application/ports/Clock.h"
#include "application/ports/GlobalHotKeyService.h"
#include "application/ports/IgnoredIssuesStoring.h"
#include "application/ports/KeyringClient.h"
#include "application/ports/LegacyMigrationService.h"
#include "application/ports/LoginItemService.h"
#include "application/ports/PermissionRequesting.h"
#include "application/ports/QRImportService.h"
#include "application/ports/ScreenQRImportService.h"
#include "application/ports/SecretStore.h"
#include "application/ports/SecurityEventLogging.h"
#include "application/ports/SettingsStore.h"
#include "application/ports/TokenRepository.h"
#include "application/ports/VaultUnlocking.h"

namespace quorbit {

template <typename... Ports>
constexpr bool allAbstractWithVirtualDestructor = ((std::is_abstract_v<Ports> &&
                                                    std::has_virtual_destructor_v<Ports>)&&...);

static_assert(
    allAbstractWithVirtualDestructor<
        AccountGroupRepository, BackupCryptoService, ClipboardService, Clock, GlobalHotKeyService, IgnoredIssuesStoring,
        KeyringClient, LegacyMigrationService, LoginItemService, PermissionRequesting, QRImportService,
        ScreenQRImportService, SecretStore, SecurityEventLogging, SettingsStore, TokenRepository, VaultUnlocking>);

}  // namespace quorbit
