#pragma once

#include <filesystem>
#include <functional>
#include <memory>

namespace quorbit {

class AccountGroupRepository;
class Base32Decoding;
class Base32Encoding;
class BackupCryptoService;
class ClipboardService;
class Clock;
class DelayTimer;
class DesktopServices;
class DialogPresenter;
class DocumentFiles;
class IgnoredIssuesStoring;
class LegacyMigrationService;
class LoginItemService;
class OtpAuthParsing;
class PermissionRequesting;
class QRImportService;
class ScreenQRImportService;
class SecretStore;
class SecurityEventLogging;
class SessionEventSource;
class SettingsStore;
class TokenRepository;
class TotpGenerating;
class VaultSession;
class WindowFactory;

// Everything the view model works through, built once by the shell and outliving it. Every
// call that may block (all of the core's ports, the vault session's unlock) runs on the view
// model's serial worker; the UI ports (dialogs, desktop, session events, windows, delays) are
// called on the GUI thread.
struct QuorbitViewModelPorts {
    TokenRepository& repository;
    AccountGroupRepository& groupRepository;
    SecretStore& secretStore;
    const TotpGenerating& generator;
    ClipboardService& clipboard;
    const OtpAuthParsing& parser;
    const Base32Decoding& base32Decoder;
    const Base32Encoding& base32Encoder;
    BackupCryptoService& backupCrypto;
    QRImportService& qrImport;
    ScreenQRImportService& screenQRImport;
    PermissionRequesting& permissionRequests;
    VaultSession& vault;
    const Clock& clock;
    SettingsStore& settingsStore;
    LoginItemService& loginItemService;
    LegacyMigrationService* migrationService;  // none: nothing to take over
    SecurityEventLogging& securityEventLogger;
    IgnoredIssuesStoring& ignoredIssuesStore;
    DocumentFiles& documentFiles;
    DialogPresenter& dialogs;
    DesktopServices& desktop;
    SessionEventSource& sessionEvents;
    WindowFactory& windows;
    DelayTimer& delays;
    std::filesystem::path dataFolder;    // the folder of the account file, opened for diagnostics
    std::filesystem::path accountsFile;  // the account file itself, shown in About
    // The cipher of a new backup with the given key derivation (`backupCrypto` only opens
    // backups, so a changed setting applies to the next export at once).
    std::function<std::unique_ptr<BackupCryptoService>(int iterations, int saltBytes)> makeBackupCrypto;
};

}  // namespace quorbit
