#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include "application/services/DataLifecycleAction.h"
#include "application/services/DataLifecycleCategory.h"
#include "application/services/DataLifecycleStats.h"
#include "application/settings/AppSettings.h"
#include "domain/AccountFilterSelection.h"
#include "domain/GoogleAuthAccount.h"
#include "domain/OtpAccount.h"
#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"
#include "domain/QuorbitError.h"
#include "domain/SecurityAuditIssue.h"
#include "domain/SecurityEvent.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"
#include "ui/SecretQString.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/OnboardingCompletionAction.h"
#include "ui/viewmodel/OnboardingMode.h"
#include "ui/viewmodel/SecretCache.h"
#include "ui/viewmodel/actions/ActionContext.h"
#include "ui/viewmodel/ports/QuorbitViewModelPorts.h"
#include "ui/viewmodel/ports/WindowHolder.h"

namespace quorbit {

class AccountActions;
class AccountEditing;
class BackupTransfer;
class BulkImport;
class CodeCopying;
class DeleteAllAction;
class Exports;
class Imports;
class LifecycleActions;
class SecurityAuditActions;

// The one presentation object: every view reads its published fields, listens to the change
// signal of their group and calls its operations. Lives on the GUI thread.
//
// Observing: each getter belongs to one signal, emitted after the change (once per change of
// the group; codes once per refresh tick). Setters of view-writable fields compare first and
// emit only on a change. Text that views edit is QString; records, ids and tags stay in the
// core's types (UTF-8 std::string).
//
// Operations returning QCoro::Task are started by views and not awaited; they never throw
// unless their comment says so. "Returns at once" operations start their own task.
class QuorbitViewModel final : public QObject, private ActionContext {
    Q_OBJECT

public:
    enum class PostOnboardingAction { addAccount, importAccounts };

    QuorbitViewModel(QuorbitViewModelPorts ports, QObject* parent = nullptr);
    ~QuorbitViewModel() override;

    // --- published state --------------------------------------------------------------
    // accountsChanged
    const std::vector<OtpAccount>& accounts() const { return accounts_; }
    // codesChanged: the code of each account outside the trash that has one; seconds left
    // for TOTP accounts.
    const std::map<Uuid, std::string>& codes() const { return codes_; }
    const std::map<Uuid, int>& secondsRemaining() const { return secondsRemaining_; }
    // lockStateChanged
    bool isUnlocked() const { return isUnlocked_; }
    // revealedChanged: the copied mark and the revealed codes.
    const std::optional<Uuid>& copiedAccountID() const { return copiedAccountID_; }
    const std::set<Uuid>& revealedAccountIDs() const { return revealedAccountIDs_; }
    // accountGroupsChanged
    const std::vector<std::string>& accountGroups() const { return accountGroups_; }
    // queryChanged
    const QString& query() const { return query_; }
    void setQuery(const QString& query);
    // statusMessageChanged
    const std::optional<QString>& statusMessage() const { return statusMessage_; }
    void setStatusMessage(const std::optional<QString>& message);
    // A store found its file unreadable and set it aside before writing a fresh one: the owner
    // is told which file and where its copy went, in a warning and in the status line.
    void reportFileSetAside(const std::filesystem::path& file, const std::filesystem::path& aside);

    // addFormChanged
    bool showingAddToken() const { return showingAddToken_; }
    void setShowingAddToken(bool showing);
    const QString& manualIssuer() const { return manualIssuer_; }
    void setManualIssuer(const QString& text);
    const QString& manualAccountName() const { return manualAccountName_; }
    void setManualAccountName(const QString& text);
    const QString& manualSecret() const { return manualSecret_.text(); }
    void setManualSecret(const QString& text);
    OtpType manualOtpType() const { return manualOtpType_; }
    void setManualOtpType(OtpType type);
    OtpAlgorithm manualAlgorithm() const { return manualAlgorithm_; }
    void setManualAlgorithm(OtpAlgorithm algorithm);
    int manualDigits() const { return manualDigits_; }
    void setManualDigits(int digits);
    int manualPeriod() const { return manualPeriod_; }
    void setManualPeriod(int seconds);
    std::int64_t manualHotpCounter() const { return manualHotpCounter_; }
    void setManualHotpCounter(std::int64_t counter);
    const std::set<std::string>& manualSelectedTags() const { return manualSelectedTags_; }
    void setManualSelectedTags(const std::set<std::string>& tags);
    const QString& manualNewTag() const { return manualNewTag_; }
    void setManualNewTag(const QString& text);

    // editorChanged
    const std::optional<OtpAccount>& editingTagsAccount() const { return editingTagsAccount_; }
    void setEditingTagsAccount(const std::optional<OtpAccount>& account);
    OtpType editorOtpType() const { return editorOtpType_; }
    void setEditorOtpType(OtpType type);
    OtpAlgorithm editorAlgorithm() const { return editorAlgorithm_; }
    void setEditorAlgorithm(OtpAlgorithm algorithm);
    int editorDigits() const { return editorDigits_; }
    void setEditorDigits(int digits);
    int editorPeriod() const { return editorPeriod_; }
    void setEditorPeriod(int seconds);
    std::int64_t editorHotpCounter() const { return editorHotpCounter_; }
    void setEditorHotpCounter(std::int64_t counter);
    const std::set<std::string>& editorSelectedTags() const { return editorSelectedTags_; }
    void setEditorSelectedTags(const std::set<std::string>& tags);
    const QString& editorNewTag() const { return editorNewTag_; }
    void setEditorNewTag(const QString& text);

    // settingsChanged (also for the two mirrors and the iteration warning)
    const AppSettings& settings() const { return settings_; }
    // Publishes, saves (on the worker) and reacts: vault time-out, the trash-filter fallback,
    // hidden codes again, the status cleared on a language change, the shell's hot keys,
    // themeChanged. The iteration count is kept within 100,000..10,000,000.
    void setSettings(const AppSettings& settings);
    std::int64_t backupPBKDF2Iterations() const { return backupPBKDF2Iterations_; }
    void setBackupPBKDF2Iterations(std::int64_t iterations);
    std::int64_t backupSaltBytes() const { return backupSaltBytes_; }
    void setBackupSaltBytes(std::int64_t bytes);
    const std::optional<QString>& pbkdf2Warning() const { return pbkdf2Warning_; }

    // onboardingChanged (also emitted when `settings.hasCompletedOnboarding` changes)
    std::optional<OnboardingMode> onboardingMode() const;
    bool hasStoredAccountsForOnboarding() const { return hasStoredAccountsForOnboarding_; }
    bool forceFullOnboarding() const { return forceFullOnboarding_; }
    void setForceFullOnboarding(bool force);
    bool onboardingDeferredForSession() const { return onboardingDeferredForSession_; }
    void setOnboardingDeferredForSession(bool deferred);

    // The application's version when set, otherwise "2.0.0".
    QString appVersion() const;

    // Computed from accounts, query, settings (accountsChanged, queryChanged, settingsChanged).
    std::vector<AccountFilterSelection> availableFilters() const;
    std::vector<OtpAccount> visibleAccounts() const;

    // --- ports and windows -------------------------------------------------------------
    DialogPresenter& dialogs() const { return ports_.dialogs; }
    DesktopServices& desktopServices() const { return ports_.desktop; }
    // The one serial worker; the shell runs its start-up sweep on it and stops it at exit.
    SerialWorker& worker() override { return worker_; }
    DelayTimer& delayTimer() const { return ports_.delays; }
    const std::filesystem::path& accountsFile() const { return ports_.accountsFile; }
    // Made on first access and kept for the run.
    WindowHolder& securityAuditWindowController();
    WindowHolder& securityLogWindowController();
    WindowHolder& dataLifecycleWindowController();
    // The migration import window of the moment, if any.
    WindowHolder* googleAuthWindowController() const { return googleAuthWindowController_.get(); }

    // --- shell hooks -------------------------------------------------------------------
    // Orders the panel out (after a copy, when the settings ask for it); without it the window
    // that has the focus is closed.
    void setClosePanelAction(std::function<void()> action) { closePanelAction_ = std::move(action); }

    // --- start-up, refresh, lock --------------------------------------------------------
    // Runs once per process: overlapping and later calls await the same start. Takes over the
    // earlier product's data, reads the onboarding state, groups and login item, watches the
    // session, then starts the one-second refresh loop.
    QCoro::Task<> start();
    bool isStarted() const { return started_; }
    // One turn of the refresh loop: mirrors the vault and, while unlocked, recomputes codes.
    // A turn that finds the previous one still running does nothing.
    QCoro::Task<> refreshTick();
    QCoro::Task<> refreshLockState();
    QCoro::Task<> reload();
    QCoro::Task<> reloadGroups();
    QCoro::Task<> reloadCodes();

    // Asks the owner (unless the session still runs), shows the keyring notice once per run,
    // reloads and runs a pending post-onboarding action. A refusal or a declined notice
    // leaves the vault locked, silently.
    QCoro::Task<> unlock();
    // Clears codes, secrets, accounts, marks, the add form and the editor at once, then
    // records the lock.
    void lock();
    // Activity that keeps a running session alive; never unlocks.
    void extendIfUnlocked();

    // --- settings, launch at login, onboarding ------------------------------------------
    // Shows the warning below 100,000 and stores at least 100,000 (the field follows).
    void validatePBKDF2Iterations(std::int64_t value);
    QCoro::Task<> setLaunchAtLogin(bool enabled);
    QCoro::Task<> refreshLoginItemStatus();
    void resetOnboardingFromSettings();
    void completeOnboarding(OnboardingCompletionAction action);
    void deferOnboardingForSession();
    std::optional<PostOnboardingAction> pendingPostOnboardingAction() const { return pendingPostOnboardingAction_; }

    // --- list, codes and copying --------------------------------------------------------
    QCoro::Task<> primaryAction(OtpAccount account);
    void toggleCodeVisibility(const OtpAccount& account);
    QCoro::Task<> copyCode(OtpAccount account);
    std::optional<OtpAccount> quickAccessAccount() const;
    QCoro::Task<> copyQuickAccessCode();

    // --- account actions ----------------------------------------------------------------
    QCoro::Task<> toggleFavorite(OtpAccount account);
    QCoro::Task<> advanceHotpCounter(OtpAccount account);
    QCoro::Task<> moveToTrash(OtpAccount account);
    QCoro::Task<> restore(OtpAccount account);
    QCoro::Task<> deletePermanently(OtpAccount account);

    // --- add form and tag editing -------------------------------------------------------
    void resetAddForm();
    QCoro::Task<> addManual();
    void addManualTag();
    void addEditorTag();
    // Selects or deselects one normalised tag in `tags`.
    void toggleTag(const std::string& tag, std::set<std::string>& tags) const;
    void beginEditingTags(const OtpAccount& account);
    void cancelEditingTags();
    QCoro::Task<> saveEditedTags();

    // --- security audit ------------------------------------------------------------------
    // Nothing when the audit could not run (the unlock was refused, the list unreadable).
    QCoro::Task<std::optional<std::vector<SecurityAuditIssue>>> runSecurityAudit();
    QCoro::Task<> ignoreSecurityIssue(SecurityAuditIssue issue);
    // The security log, newest first; clearing it cannot report a failure.
    QCoro::Task<std::vector<SecurityEvent>> loadSecurityEvents();
    QCoro::Task<> clearSecurityLog();

    // --- imports ------------------------------------------------------------------------
    void importQRImage(bool closeAddTokenOnSuccess);           // returns at once
    void importQRCodeFromScreen(bool closeAddTokenOnSuccess);  // returns at once
    QCoro::Task<> handleGoogleAuthMigration(std::string uri, bool closeAddTokenOnSuccess);
    // Throws the error of the import or the reload to the migration import window. False when
    // the keyring notice was declined: nothing was imported and the window stays as it is.
    QCoro::Task<bool> importGoogleAuthAccounts(std::vector<GoogleAuthAccount> accounts, std::set<int> selectedIndices);
    QCoro::Task<> importOtpAuthText(std::string text);
    void importOtpAuthTextFile();  // returns at once
    // importRunningChanged: a URI list or a backup is being imported; one runs at a time.
    bool isImportRunning() const;
    // Stops the running import; what it wrote so far is removed again.
    void cancelImport();

    // --- backups, exports, Recovery Kit, delete all ---------------------------------------
    void exportEncryptedBackup();                               // returns at once
    void importEncryptedBackup();                               // returns at once
    void exportOtpAuthURIs();                                   // returns at once
    void exportSelectedAccounts(std::set<Uuid> accountIds);     // returns at once
    void createRecoveryKit(std::filesystem::path destination);  // returns at once
    void deleteAllTokensWithConfirmation();                     // returns at once

    // --- data lifecycle and diagnostics ---------------------------------------------------
    // Counts and a category's accounts; failures are passed on.
    QCoro::Task<DataLifecycleStats> loadLifecycleStats();
    QCoro::Task<std::vector<OtpAccount>> loadLifecycleAccounts(DataLifecycleCategory category);
    QCoro::Task<> recordLifecycleReviewOpened();
    QCoro::Task<> performLifecycleAction(DataLifecycleAction action, std::set<Uuid> accountIds);
    void openDiagnostics();

signals:
    void accountsChanged();
    void codesChanged();
    void lockStateChanged();
    void revealedChanged();
    void accountGroupsChanged();
    void queryChanged();
    void statusMessageChanged();
    void importRunningChanged();
    void addFormChanged();
    void editorChanged();
    void settingsChanged();
    void onboardingChanged();
    // settings.theme changed; the shell applies the palette.
    void themeChanged();
    // start() has finished (emitted once).
    void started();

private:
    // ActionContext
    ActionContext& context() { return *this; }
    QuorbitViewModel& viewModel() override { return *this; }
    const QuorbitViewModelPorts& ports() const override { return ports_; }
    AppLocalizer localizer() const override;
    void publishAccounts(std::vector<OtpAccount> accounts) override;
    void publishAccountGroups(std::vector<std::string> groups) override;
    void setCopiedAccountID(std::optional<Uuid> id) override;
    void setRevealedAccountIDs(std::set<Uuid> ids) override;
    void showCodeInStatus(const QString& message) override;
    void reportError(const std::exception& error) override;
    bool ensureKeychainTrustMessageAccepted() override;
    QCoro::Task<> ensureUnlocked(UnlockPurpose purpose = UnlockPurpose::showCodes) override;
    std::uint64_t lockGeneration() const override { return lockGeneration_; }
    QCoro::Task<SecretBytes> loadSecretCached(OtpSecretRef ref) override;
    QCoro::Task<> reloadThrowing() override;
    QCoro::Task<> loadGroupsThrowing() override;
    void normalizeSelectedFilter() override;
    QCoro::Task<> saveGroups(std::vector<std::string> groups) override;
    QCoro::Task<> recordEvent(SecurityEventKind kind, std::optional<Uuid> accountId,
                              std::optional<std::string> accountLabel, std::string message,
                              std::map<std::string, std::string> metadata) override;
    void closePanel() override;
    std::unique_ptr<WindowHolder> setGoogleAuthWindowController(std::unique_ptr<WindowHolder> holder) override;
    void clearSecretCache() override;
    void forgetSecret(const OtpSecretRef& ref) override;

    QCoro::Task<> runStart();
    QCoro::Task<> migrateLegacyDataIfNeeded();
    QCoro::Task<> refreshOnboardingAccountState();
    QCoro::Task<> reloadCodesThrowing();
    std::vector<OtpSecretRef> unreadSecretRefs(std::size_t limit) const;
    std::vector<OtpSecretRef> firstScreenfulSecretRefs() const;
    QCoro::Task<> readRemainingSecrets();
    void dropEndedCodes();
    void startRefreshTimer();
    void watchSessionEvents();
    void clearUnlockedState();
    void setIsUnlocked(bool unlocked);
    // Takes a status that shows a code off the status line.
    void dropCodeInStatus();
    void clearCodes();
    struct ComputedCode {
        Uuid id;
        std::string code;
        std::optional<int> secondsRemaining;  // TOTP only
    };
    void publishCodes(const std::vector<ComputedCode>& computed);
    void reportCodeError(const std::string& description);
    void applySettingsChange(const AppSettings& old);
    void setHasStoredAccountsForOnboarding(bool has);
    void setPbkdf2Warning(const std::optional<QString>& warning);
    void runPostOnboardingAction();
    QString text(std::string_view english, std::string_view russian) const;

    QuorbitViewModelPorts ports_;
    SerialWorker worker_;

    std::vector<OtpAccount> accounts_;
    std::map<Uuid, std::string> codes_;
    std::map<Uuid, int> secondsRemaining_;
    bool isUnlocked_ = false;
    std::optional<Uuid> copiedAccountID_;
    std::set<Uuid> revealedAccountIDs_;
    std::vector<std::string> accountGroups_;
    QString query_;
    std::optional<QString> statusMessage_;
    std::optional<QString> codeInStatus_;
    bool showingAddToken_ = false;
    QString manualIssuer_;
    QString manualAccountName_;
    SecretQString manualSecret_;
    OtpType manualOtpType_ = OtpType::totp;
    OtpAlgorithm manualAlgorithm_ = OtpAlgorithm::sha1;
    int manualDigits_ = 6;
    int manualPeriod_ = 30;
    std::int64_t manualHotpCounter_ = 0;
    std::set<std::string> manualSelectedTags_;
    QString manualNewTag_;
    std::optional<OtpAccount> editingTagsAccount_;
    OtpType editorOtpType_ = OtpType::totp;
    OtpAlgorithm editorAlgorithm_ = OtpAlgorithm::sha1;
    int editorDigits_ = 6;
    int editorPeriod_ = 30;
    std::int64_t editorHotpCounter_ = 0;
    std::set<std::string> editorSelectedTags_;
    QString editorNewTag_;
    AppSettings settings_;
    std::int64_t backupPBKDF2Iterations_ = 120000;
    std::int64_t backupSaltBytes_ = 16;
    std::optional<QString> pbkdf2Warning_;
    bool hasStoredAccountsForOnboarding_ = false;
    bool onboardingDeferredForSession_ = false;
    bool forceFullOnboarding_ = false;

    bool started_ = false;
    bool startRunning_ = false;
    QTimer refreshTimer_;
    bool tickRunning_ = false;
    bool didRunMigration_ = false;
    bool watchingSession_ = false;
    SecretCache secretCache_{ports_.secretStore, worker_};
    // The lock generation whose secrets outside the first screenful are being read.
    std::optional<std::uint64_t> readingRemainingFor_;
    TimePoint codesComputedAt_;
    // Counts the changes of what codes are made from (the accounts; with the cache's version,
    // the cached secrets), so that a tick can tell whether the codes it published last are
    // still those of the accounts.
    std::uint64_t codeInputsGeneration_ = 0;
    std::uint64_t codesInputs_ = ~std::uint64_t(0);
    std::uint64_t lockGeneration_ = 0;
    std::optional<std::string> lastCodeError_;
    std::optional<PostOnboardingAction> pendingPostOnboardingAction_;
    bool hasAcceptedKeychainTrustMessage_ = false;
    std::function<void()> closePanelAction_;
    std::unique_ptr<WindowHolder> securityAuditWindowController_;
    std::unique_ptr<WindowHolder> securityLogWindowController_;
    std::unique_ptr<WindowHolder> dataLifecycleWindowController_;
    std::unique_ptr<WindowHolder> googleAuthWindowController_;

    std::unique_ptr<BulkImport> bulkImport_;
    std::unique_ptr<CodeCopying> codeCopying_;
    std::unique_ptr<AccountActions> accountActions_;
    std::unique_ptr<AccountEditing> accountEditing_;
    std::unique_ptr<SecurityAuditActions> securityAuditActions_;
    std::unique_ptr<Imports> imports_;
    std::unique_ptr<BackupTransfer> backupTransfer_;
    std::unique_ptr<Exports> exports_;
    std::unique_ptr<DeleteAllAction> deleteAll_;
    std::unique_ptr<LifecycleActions> lifecycleActions_;
};

}  // namespace quorbit
