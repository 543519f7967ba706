#include "application/about/ChangelogEntry.h"

#include <array>

namespace quorbit {
namespace {

// Entries that named the other platform's facilities say what this build really does: the
// keyring is the system keyring, the menu bar is the tray, and the cloud sync and disk image
// clauses are gone because neither exists here.
constexpr std::array<ChangelogEntry, 15> entries{{
    {"2.0.0",
     "Quorbit introduces first-launch trust onboarding, release-readiness packaging/docs for public distribution, "
     "and UX polish for lifecycle/import confirmations without changing the security core.",
     "Quorbit добавляет onboarding доверия для первого запуска, release-ready упаковку и пользовательскую "
     "документацию для публичного распространения, а также UX-полировку подтверждений без изменения security-core."},
    {"1.9.0",
     "Quorbit adds Recovery Kit, Data Lifecycle Center, selective export, and bulk actions with stronger event-log "
     "hygiene.",
     "Quorbit добавляет Recovery Kit, центр жизненного цикла данных, выборочный экспорт и массовые действия с "
     "усиленной гигиеной журнала событий."},
    {"1.8.0",
     "Quorbit adds Security Center with account audit, Smart Import with conflict detection and preview, and a local "
     "Security Log for tracking imports, backups, and security events.",
     "Quorbit добавляет Центр безопасности с аудитом аккаунтов, умный импорт с обнаружением конфликтов и "
     "предпросмотром, а также локальный журнал безопасности для отслеживания импортов, бэкапов и событий "
     "безопасности."},
    {"1.7.0",
     "Quorbit adds configurable PBKDF2 iterations and salt for backups, backup integrity verification before import, "
     "and enhanced auto-lock settings.",
     "Quorbit добавляет настраиваемые итерации PBKDF2 и соль для бэкапов, проверку целостности бэкапа перед импортом "
     "и расширенные настройки авто-блокировки."},
    {"1.6.0",
     "Quorbit adds HOTP accounts, 6/7/8-digit OTP settings, HOTP counter controls, and import/export support for HOTP "
     "state.",
     "Quorbit добавляет HOTP-аккаунты, выбор длины 6/7/8 цифр, управление HOTP-счётчиком и импорт/экспорт состояния "
     "HOTP."},
    {"1.5.0",
     "Quorbit adds account tags, a unified filter menu, saved sorting, and tag-only editing for faster work with "
     "larger vaults.",
     "Quorbit добавляет теги аккаунтов, единый фильтр, сохранённую сортировку и редактирование тегов для больших "
     "хранилищ."},
    {"1.4.0",
     "Quorbit adds configurable global keyboard shortcuts for opening the panel and copying the quick-access code.",
     "Quorbit добавляет настраиваемые глобальные горячие клавиши для открытия панели и быстрого копирования кода."},
    {"1.3.1",
     "Quorbit removes the live QR scan path, restores direct QR image import, and updates permissions onboarding.",
     "Quorbit убирает live QR path, возвращает прямой импорт QR-изображения и обновляет onboarding разрешений."},
    {"1.3.0",
     "Quorbit now opens its panel on launch, adds permissions onboarding with language selection, supports "
     "just-in-time screen QR import, reduces repeated system keyring prompts, adds a right-click tray menu, and "
     "expands About with donations.",
     "Quorbit теперь открывает панель при запуске, показывает onboarding разрешений с выбором языка, поддерживает "
     "QR-импорт с экрана по требованию, снижает повторные запросы системной связки ключей, добавляет right-click "
     "меню и блок донатов в About."},
    {"1.2.0",
     "Quorbit: Google Authenticator import, settings disabled until unlock, improved import UX with separate window.",
     "Quorbit: импорт из Google Authenticator, блокировка настроек до разблокировки, улучшенный UX импорта в "
     "отдельном окне."},
    {"1.1.3", "Renamed to Quorbit, added a persistent floating panel, changelog, and developer branding.",
     "Переименование в Quorbit, постоянная floating-панель, история изменений и бренд разработчика."},
    {"1.1.1", "Made the Settings gear open reliably from the tray workflow.",
     "Настройки по иконке шестеренки открываются надежно из сценария значка в трее."},
    {"1.1.0", "Added English and Russian interface localization plus an app language setting.",
     "Добавлены английский и русский интерфейс, а также настройка языка приложения."},
    {"1.0.1", "Stabilized Add Token, QR picker, unlock redraw, system keyring saving, and packaged app delivery.",
     "Стабилизированы добавление токена, QR-выбор, перерисовка после разблокировки, сохранение в системной связке "
     "ключей и packaged app."},
    {"1.0 RC",
     "Initial local TOTP app with secrets in the system keyring, local metadata, manual add, QR import, encrypted "
     "backup, and tray UI.",
     "Первая локальная TOTP-версия: секреты в системной связке ключей, локальные metadata, ручное добавление, "
     "QR-импорт, зашифрованный backup и интерфейс в трее."},
}};

}  // namespace

std::span<const ChangelogEntry> ChangelogEntry::history() { return entries; }

}  // namespace quorbit
