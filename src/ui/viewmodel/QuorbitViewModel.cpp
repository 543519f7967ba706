#include "ui/viewmodel/QuorbitViewModel.h"

#include <algorithm>
#include <chrono>
#include <unordered_set>
#include <utility>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include <qcoro/qcorosignal.h>

#include "application/ports/AccountGroupRepository.h"
#include "application/ports/DialogPresenter.h"
#include "application/ports/LegacyMigrationService.h"
#include "application/ports/LoginItemService.h"
#include "application/ports/SecretStore.h"
#include "application/ports/SecurityEventLogging.h"
#include "application/ports/SessionEventSource.h"
#include "application/ports/SettingsStore.h"
#include "application/ports/TokenRepository.h"
#include "application/services/VaultSession.h"
#include "application/usecases/CurrentCode.h"
#include "domain/AccountTags.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"
#include "lib/TotpGenerating.h"
#include "ui/viewmodel/actions/AccountActions.h"
#include "ui/viewmodel/actions/AccountEditing.h"
#include "ui/viewmodel/actions/BackupTransfer.h"
#include "ui/viewmodel/actions/BulkImport.h"
#include "ui/viewmodel/actions/CodeCopying.h"
#include "ui/viewmodel/actions/DeleteAllAction.h"
#include "ui/viewmodel/actions/Exports.h"
#include "ui/viewmodel/actions/Imports.h"
#include "ui/viewmodel/actions/LifecycleActions.h"
#include "ui/viewmodel/actions/SecurityAuditActions.h"
#include "ui/viewmodel/ports/WindowFactory.h"

namespace quorbit {
namespace {

constexpr std::int64_t minimumIterations = 100'000;
constexpr std::int64_t maximumIterations = 10'000'000;

AppSettings withUsableIterations(AppSettings settings) {
    settings.backupPBKDF2Iterations = std::clamp(settings.backupPBKDF2Iterations, minimumIterations, maximumIterations);
    return settings;
}

bool hasAccountOutsideTrash(const std::vector<OtpAccount>& accounts) {
    return std::any_of(accounts.begin(), accounts.end(),
                       [](const OtpAccount& account) { return !account.isTrashed(); });
}

std::int64_t periodIndex(TimePoint time, std::int64_t period) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
    return seconds >= 0 ? seconds / period : (seconds - period + 1) / period;
}

template <typename T>
bool assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// A task started for its effect only; it keeps running after the handle is dropped.
void detach(QCoro::Task<> task) { (void)task; }

}  // namespace

QuorbitViewModel::QuorbitViewModel(QuorbitViewModelPorts ports, QObject* parent)
    : QObject(parent), ports_(std::move(ports)), settings_(withUsableIterations(ports_.settingsStore.loadSettings())),
      backupPBKDF2Iterations_(settings_.backupPBKDF2Iterations), backupSaltBytes_(settings_.backupSaltBytes),
      bulkImport_(std::make_unique<BulkImport>(context(), [this] { emit importRunningChanged(); })),
      codeCopying_(std::make_unique<CodeCopying>(context())),
      accountActions_(std::make_unique<AccountActions>(context())),
      accountEditing_(std::make_unique<AccountEditing>(context())),
      securityAuditActions_(std::make_unique<SecurityAuditActions>(context())),
      imports_(std::make_unique<Imports>(context(), *bulkImport_)),
      backupTransfer_(std::make_unique<BackupTransfer>(context(), *bulkImport_)),
      exports_(std::make_unique<Exports>(context())), deleteAll_(std::make_unique<DeleteAllAction>(context())),
      lifecycleActions_(std::make_unique<LifecycleActions>(context())) {
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setTimerType(Qt::PreciseTimer);
    connect(&refreshTimer_, &QTimer::timeout, this, [this] {
        startRefreshTimer();
        detach(refreshTick());
    });
}

QuorbitViewModel::~QuorbitViewModel() { refreshTimer_.stop(); }

// --- published fields ---------------------------------------------------------------------

void QuorbitViewModel::setQuery(const QString& query) {
    if (assign(query_, query)) emit queryChanged();
}

void QuorbitViewModel::setStatusMessage(const std::optional<QString>& message) {
    if (assign(statusMessage_, message)) emit statusMessageChanged();
}

#define QUORBIT_FORM_SETTER(Name, Type, field, signal) \
    void QuorbitViewModel::Name(Type value) {          \
        if (assign(field, value)) emit signal();       \
    }

QUORBIT_FORM_SETTER(setShowingAddToken, bool, showingAddToken_, addFormChanged)
QUORBIT_FORM_SETTER(setManualIssuer, const QString&, manualIssuer_, addFormChanged)
QUORBIT_FORM_SETTER(setManualAccountName, const QString&, manualAccountName_, addFormChanged)
void QuorbitViewModel::setManualSecret(const QString& text) {
    if (manualSecret_.text() == text) return;
    manualSecret_.assign(text);
    emit addFormChanged();
}

QUORBIT_FORM_SETTER(setManualOtpType, OtpType, manualOtpType_, addFormChanged)
QUORBIT_FORM_SETTER(setManualAlgorithm, OtpAlgorithm, manualAlgorithm_, addFormChanged)
QUORBIT_FORM_SETTER(setManualDigits, int, manualDigits_, addFormChanged)
QUORBIT_FORM_SETTER(setManualPeriod, int, manualPeriod_, addFormChanged)
QUORBIT_FORM_SETTER(setManualHotpCounter, std::int64_t, manualHotpCounter_, addFormChanged)
QUORBIT_FORM_SETTER(setManualSelectedTags, const std::set<std::string>&, manualSelectedTags_, addFormChanged)
QUORBIT_FORM_SETTER(setManualNewTag, const QString&, manualNewTag_, addFormChanged)
QUORBIT_FORM_SETTER(setEditingTagsAccount, const std::optional<OtpAccount>&, editingTagsAccount_, editorChanged)
QUORBIT_FORM_SETTER(setEditorOtpType, OtpType, editorOtpType_, editorChanged)
QUORBIT_FORM_SETTER(setEditorAlgorithm, OtpAlgorithm, editorAlgorithm_, editorChanged)
QUORBIT_FORM_SETTER(setEditorDigits, int, editorDigits_, editorChanged)
QUORBIT_FORM_SETTER(setEditorPeriod, int, editorPeriod_, editorChanged)
QUORBIT_FORM_SETTER(setEditorHotpCounter, std::int64_t, editorHotpCounter_, editorChanged)
QUORBIT_FORM_SETTER(setEditorSelectedTags, const std::set<std::string>&, editorSelectedTags_, editorChanged)
QUORBIT_FORM_SETTER(setEditorNewTag, const QString&, editorNewTag_, editorChanged)
QUORBIT_FORM_SETTER(setForceFullOnboarding, bool, forceFullOnboarding_, onboardingChanged)
QUORBIT_FORM_SETTER(setOnboardingDeferredForSession, bool, onboardingDeferredForSession_, onboardingChanged)
QUORBIT_FORM_SETTER(setHasStoredAccountsForOnboarding, bool, hasStoredAccountsForOnboarding_, onboardingChanged)
QUORBIT_FORM_SETTER(setPbkdf2Warning, const std::optional<QString>&, pbkdf2Warning_, settingsChanged)

#undef QUORBIT_FORM_SETTER

// A status line that the new state contradicts goes: "locked" once unlocked, a code once
// locked. A lock also wipes the secret typed into the add form.
void QuorbitViewModel::setIsUnlocked(bool unlocked) {
    if (!assign(isUnlocked_, unlocked)) return;
    if (unlocked) {
        const QuorbitError locked(QuorbitError::Case::locked);
        if (statusMessage_ == QString::fromStdString(localizer().errorDescription(locked))) {
            setStatusMessage(std::nullopt);
        }
    } else {
        dropCodeInStatus();
        setManualSecret({});
    }
    emit lockStateChanged();
}

void QuorbitViewModel::dropCodeInStatus() {
    if (codeInStatus_ && statusMessage_ == codeInStatus_) setStatusMessage(std::nullopt);
    codeInStatus_.reset();
}

void QuorbitViewModel::publishAccounts(std::vector<OtpAccount> accounts) {
    if (accounts_ == accounts) return;
    accounts_ = std::move(accounts);
    ++codeInputsGeneration_;
    emit accountsChanged();
}

void QuorbitViewModel::publishAccountGroups(std::vector<std::string> groups) {
    if (accountGroups_ == groups) return;
    accountGroups_ = std::move(groups);
    emit accountGroupsChanged();
}

void QuorbitViewModel::clearCodes() {
    codes_.clear();
    secondsRemaining_.clear();
    emit codesChanged();
}

// The entries are changed where they stand: a tick of a thousand accounts then allocates nothing.
void QuorbitViewModel::publishCodes(const std::vector<ComputedCode>& computed) {
    bool added = false;
    std::size_t timed = 0;
    for (const ComputedCode& entry : computed) {
        const auto [code, isNew] = codes_.try_emplace(entry.id, entry.code);
        if (!isNew) code->second = entry.code;
        added = added || isNew;
        if (!entry.secondsRemaining) continue;
        ++timed;
        const auto [seconds, isNewSeconds] = secondsRemaining_.insert_or_assign(entry.id, *entry.secondsRemaining);
        added = added || isNewSeconds;
    }
    if (added || codes_.size() != computed.size() || secondsRemaining_.size() != timed) {
        std::unordered_set<Uuid> codeIds;
        std::unordered_set<Uuid> timedIds;
        for (const ComputedCode& entry : computed) {
            codeIds.insert(entry.id);
            if (entry.secondsRemaining) timedIds.insert(entry.id);
        }
        std::erase_if(codes_, [&](const auto& code) { return !codeIds.contains(code.first); });
        std::erase_if(secondsRemaining_, [&](const auto& seconds) { return !timedIds.contains(seconds.first); });
    }
    emit codesChanged();
}

void QuorbitViewModel::setCopiedAccountID(std::optional<Uuid> id) {
    if (assign(copiedAccountID_, id)) emit revealedChanged();
}

void QuorbitViewModel::setRevealedAccountIDs(std::set<Uuid> ids) {
    if (assign(revealedAccountIDs_, ids)) emit revealedChanged();
}

void QuorbitViewModel::showCodeInStatus(const QString& message) {
    codeInStatus_ = message;
    setStatusMessage(message);
}

std::optional<OnboardingMode> QuorbitViewModel::onboardingMode() const {
    if (settings_.hasCompletedOnboarding || onboardingDeferredForSession_) return std::nullopt;
    if (forceFullOnboarding_) return OnboardingMode::full;
    return hasStoredAccountsForOnboarding_ ? OnboardingMode::shortIntro : OnboardingMode::full;
}

QString QuorbitViewModel::appVersion() const {
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral("2.0.0") : version;
}

AppLocalizer QuorbitViewModel::localizer() const { return AppLocalizer(settings_.language); }

QString QuorbitViewModel::text(std::string_view english, std::string_view russian) const {
    const std::string_view chosen = localized(settings_.language, english, russian);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

void QuorbitViewModel::reportFileSetAside(const std::filesystem::path& file, const std::filesystem::path& aside) {
    const QString message =
        text("\"%1\" could not be read. It was set aside as \"%2\" in %3, and a new one was started.",
             "Не удалось прочитать «%1». Файл отложен как «%2» в папке %3, создан новый.")
            .arg(QString::fromStdString(file.filename().string()), QString::fromStdString(aside.filename().string()),
                 QString::fromStdString(aside.parent_path().string()));
    setStatusMessage(message);
    ports_.dialogs.showWarning(message.toStdString(), std::string(localized(settings_.language, "OK", "OK")));
}

void QuorbitViewModel::reportError(const std::exception& error) {
    setStatusMessage(QString::fromStdString(localizer().errorDescription(error)));
}

// --- windows and shell hooks ----------------------------------------------------------------

WindowHolder& QuorbitViewModel::securityAuditWindowController() {
    if (!securityAuditWindowController_) securityAuditWindowController_ = ports_.windows.makeSecurityAuditWindow(*this);
    return *securityAuditWindowController_;
}

WindowHolder& QuorbitViewModel::securityLogWindowController() {
    if (!securityLogWindowController_) securityLogWindowController_ = ports_.windows.makeSecurityLogWindow(*this);
    return *securityLogWindowController_;
}

WindowHolder& QuorbitViewModel::dataLifecycleWindowController() {
    if (!dataLifecycleWindowController_) dataLifecycleWindowController_ = ports_.windows.makeDataLifecycleWindow(*this);
    return *dataLifecycleWindowController_;
}

std::unique_ptr<WindowHolder> QuorbitViewModel::setGoogleAuthWindowController(std::unique_ptr<WindowHolder> holder) {
    return std::exchange(googleAuthWindowController_, std::move(holder));
}

void QuorbitViewModel::clearSecretCache() {
    secretCache_.clear();
    ++codeInputsGeneration_;
}

void QuorbitViewModel::forgetSecret(const OtpSecretRef& ref) {
    secretCache_.erase(ref);
    ++codeInputsGeneration_;
}

void QuorbitViewModel::closePanel() {
    if (closePanelAction_) {
        closePanelAction_();
    } else if (QWindow* window = QGuiApplication::focusWindow()) {
        window->close();
    }
}

// --- start-up and the refresh loop -----------------------------------------------------------

QCoro::Task<> QuorbitViewModel::start() {
    if (started_) co_return;
    if (startRunning_) {
        co_await qCoro(this, &QuorbitViewModel::started);
        co_return;
    }
    startRunning_ = true;
    co_await runStart();
    startRunning_ = false;
    started_ = true;
    emit started();
}

QCoro::Task<> QuorbitViewModel::runStart() {
    co_await migrateLegacyDataIfNeeded();
    co_await refreshOnboardingAccountState();
    ports_.vault.updateTimeout(timeout(settings_.autoLock));
    co_await reloadGroups();
    watchSessionEvents();
    co_await refreshLoginItemStatus();
    co_await refreshLockState();
    startRefreshTimer();
}

// The tick lands just after each whole second of the clock, where codes and countdowns change:
// one wakeup a second shows each change at once, where a free-running timer drifts across it.
void QuorbitViewModel::startRefreshTimer() {
    using namespace std::chrono;
    constexpr milliseconds second = 1s;
    constexpr milliseconds pastTheSecond = 2ms;
    const milliseconds sinceEpoch = duration_cast<milliseconds>(ports_.clock.now().time_since_epoch());
    const milliseconds intoSecond = (sinceEpoch % second + second) % second;
    refreshTimer_.start(second - intoSecond + pastTheSecond);
}

QCoro::Task<> QuorbitViewModel::migrateLegacyDataIfNeeded() {
    if (didRunMigration_) co_return;
    didRunMigration_ = true;
    if (!ports_.migrationService) co_return;
    std::optional<std::string> failure;
    try {
        co_await worker_.run([&migration = *ports_.migrationService] { (void)migration.migrateIfNeeded(); });
    } catch (const std::exception& error) {
        failure = localizer().errorDescription(error);
    }
    if (failure) setStatusMessage(QString::fromStdString(*failure));
}

QCoro::Task<> QuorbitViewModel::refreshOnboardingAccountState() {
    bool hasAccounts = false;
    try {
        hasAccounts = co_await worker_.run(
            [&repository = ports_.repository] { return hasAccountOutsideTrash(repository.loadAccounts()); });
    } catch (const std::exception&) {
        hasAccounts = false;  // an unreadable list is reported by the reload that needs it
    }
    setHasStoredAccountsForOnboarding(hasAccounts);
}

QCoro::Task<> QuorbitViewModel::refreshTick() {
    if (tickRunning_) {
        dropEndedCodes();
        co_return;
    }
    tickRunning_ = true;
    co_await refreshLockState();
    if (isUnlocked_) co_await reloadCodes();
    tickRunning_ = false;
}

// While a turn waits (on the keyring or behind a long job), TOTP codes whose period ended
// meanwhile go and the countdowns of the others move on.
void QuorbitViewModel::dropEndedCodes() {
    const TimePoint now = ports_.clock.now();
    bool changed = false;
    for (const OtpAccount& account : accounts_) {
        if (account.type != OtpType::totp || account.period < 1 || !codes_.contains(account.id)) continue;
        if (periodIndex(now, account.period) != periodIndex(codesComputedAt_, account.period)) {
            codes_.erase(account.id);
            secondsRemaining_.erase(account.id);
        } else {
            secondsRemaining_[account.id] = ports_.generator.secondsRemaining(account.period, now);
        }
        changed = true;
    }
    if (changed) emit codesChanged();
}

void QuorbitViewModel::watchSessionEvents() {
    if (watchingSession_) return;
    watchingSession_ = true;
    QPointer<QuorbitViewModel> self(this);
    ports_.sessionEvents.watch([self](SessionEventSource::Event) {
        if (self && self->settings_.lockOnSleepOrScreenLock) self->lock();
    });
}

// --- reloading -------------------------------------------------------------------------------

QCoro::Task<> QuorbitViewModel::reload() {
    std::optional<std::string> failure;
    try {
        co_await reloadThrowing();
    } catch (const std::exception& error) {
        failure = localizer().errorDescription(error);
    }
    if (failure) {
        lastCodeError_ = failure;
        setStatusMessage(QString::fromStdString(*failure));
    }
}

QCoro::Task<> QuorbitViewModel::reloadThrowing() {
    co_await ensureUnlocked();
    const std::uint64_t generation = lockGeneration_;
    auto accounts = co_await worker_.run([&repository = ports_.repository] { return repository.loadAccounts(); });
    if (generation != lockGeneration_) co_return;
    setHasStoredAccountsForOnboarding(hasAccountOutsideTrash(accounts));
    publishAccounts(std::move(accounts));
    co_await loadGroupsThrowing();
    if (generation != lockGeneration_) co_return;
    normalizeSelectedFilter();
    // An account without a code is the codes' own news, told once: it does not fail the
    // action that reloaded, whose own text follows.
    co_await reloadCodes();
}

QCoro::Task<> QuorbitViewModel::reloadGroups() {
    std::optional<std::string> failure;
    try {
        co_await loadGroupsThrowing();
        normalizeSelectedFilter();
    } catch (const std::exception& error) {
        failure = localizer().errorDescription(error);
    }
    if (failure) setStatusMessage(QString::fromStdString(*failure));
}

QCoro::Task<> QuorbitViewModel::loadGroupsThrowing() {
    auto groups = co_await worker_.run(
        [&groupRepository = ports_.groupRepository] { return AccountTags::normalize(groupRepository.loadGroups()); });
    for (const OtpAccount& account : accounts_) groups.insert(groups.end(), account.tags.begin(), account.tags.end());
    publishAccountGroups(AccountTags::normalize(groups));
}

void QuorbitViewModel::normalizeSelectedFilter() {
    const AccountFilterSelection& filter = settings_.selectedAccountFilter;
    if (filter.filterCase() != AccountFilterSelection::Case::tag) return;
    const bool known = std::any_of(accountGroups_.begin(), accountGroups_.end(), [&](const std::string& group) {
        return UnicodeText::caseInsensitiveEquals(group, filter.tagText());
    });
    if (known) return;
    AppSettings changed = settings_;
    changed.selectedAccountFilter = AccountFilterSelection::all();
    setSettings(changed);
}

QCoro::Task<> QuorbitViewModel::reloadCodes() {
    std::optional<std::string> failure;
    try {
        co_await reloadCodesThrowing();
    } catch (const std::exception& error) {
        failure = localizer().errorDescription(error);
    }
    if (failure) reportCodeError(*failure);
}

// A failing account fails every second; its text goes to the status line once.
void QuorbitViewModel::reportCodeError(const std::string& description) {
    if (lastCodeError_ == description) return;
    lastCodeError_ = description;
    setStatusMessage(QString::fromStdString(description));
}

// Each account on its own: one that has no code gets no entry, the others are still shown.
// The first failure is passed on after the codes are published. The secrets of the first
// screenful come first, in one small read; the others follow in the background, and their
// accounts get codes once read. Accounts that read of many left out are read on their own,
// which says why. A code stays what it was while its account, its secret and (for TOTP) its
// period are the same, so most ticks only count the seconds down.
QCoro::Task<> QuorbitViewModel::reloadCodesThrowing() {
    const std::uint64_t generation = lockGeneration_;
    std::optional<QuorbitError> refusal = secretCache_.refusal();
    if (!unreadSecretRefs(1).empty()) {
        refusal = co_await secretCache_.loadMany(firstScreenfulSecretRefs());
        if (generation != lockGeneration_) co_return;
        if (!refusal) detach(readRemainingSecrets());
    }
    std::vector<ComputedCode> computed;
    computed.reserve(accounts_.size());
    std::exception_ptr firstFailure = refusal ? std::make_exception_ptr(*refusal) : nullptr;
    // What changes while this turn waits makes the next one compute every code again.
    const std::uint64_t inputs = codeInputsGeneration_ + secretCache_.version();
    const bool sameInputs = codesInputs_ == inputs;
    // The codes count as made at the start: one made after a period ended is made again.
    const TimePoint started = ports_.clock.now();
    auto addCode = [&](const OtpAccount& account) {
        try {
            const TimePoint now = ports_.clock.now();
            const bool totp = account.type == OtpType::totp;
            const auto previous = sameInputs ? codes_.find(account.id) : codes_.end();
            const bool samePeriod = !totp || (account.period >= 1 && periodIndex(now, account.period) ==
                                                                         periodIndex(codesComputedAt_, account.period));
            const std::optional<int> seconds =
                totp ? std::optional(ports_.generator.secondsRemaining(account.period, now)) : std::nullopt;
            if (previous != codes_.end() && samePeriod) {
                computed.push_back({account.id, previous->second, seconds});
            } else if (const PreparedOtpKey* key =
                           secretCache_.preparedKey(account.secretRef, account.algorithm, ports_.generator)) {
                computed.push_back({account.id, currentCode(ports_.generator, account, *key, now), seconds});
            }
        } catch (const std::exception&) {
            if (!firstFailure) firstFailure = std::current_exception();
        }
    };
    std::vector<OtpAccount> leftOut;
    for (const OtpAccount& account : accounts_) {
        if (account.isTrashed()) continue;
        if (secretCache_.find(account.secretRef) != nullptr) {
            addCode(account);
        } else if (!refusal && secretCache_.isLeftOut(account.secretRef)) {
            leftOut.push_back(account);
        }
    }
    for (const OtpAccount& account : leftOut) {
        try {
            co_await secretCache_.load(account.secretRef);
            if (generation != lockGeneration_) co_return;
            addCode(account);
        } catch (const std::exception&) {
            if (generation != lockGeneration_) co_return;
            if (!firstFailure) firstFailure = std::current_exception();
        }
    }
    codesComputedAt_ = started;
    codesInputs_ = inputs;
    publishCodes(computed);
    if (firstFailure) std::rethrow_exception(firstFailure);
    lastCodeError_.reset();
}

// In list order, at most `limit`, trashed accounts left out.
std::vector<OtpSecretRef> QuorbitViewModel::unreadSecretRefs(std::size_t limit) const {
    std::vector<OtpSecretRef> unread;
    for (const OtpAccount& account : accounts_) {
        if (unread.size() == limit) break;
        if (!account.isTrashed() && secretCache_.isUnread(account.secretRef)) unread.push_back(account.secretRef);
    }
    return unread;
}

// The quick-access account and the rows a panel shows first; the cache skips what it has.
std::vector<OtpSecretRef> QuorbitViewModel::firstScreenfulSecretRefs() const {
    constexpr std::size_t rowsOfAScreenful = 16;
    std::vector<OtpSecretRef> refs;
    if (const std::optional<OtpAccount> quick = quickAccessAccount()) refs.push_back(quick->secretRef);
    for (const OtpAccount& account : visibleAccounts()) {
        if (refs.size() > rowsOfAScreenful) break;
        if (!account.isTrashed()) refs.push_back(account.secretRef);
    }
    return refs;
}

// One batch at a time, so that a copy of an account not read yet waits for one batch at most;
// a lock or a refused keyring stops it. The codes follow once every secret is read.
QCoro::Task<> QuorbitViewModel::readRemainingSecrets() {
    constexpr std::size_t batchSize = 250;
    const std::uint64_t generation = lockGeneration_;
    if (readingRemainingFor_ == generation) co_return;
    readingRemainingFor_ = generation;
    bool read = false;
    bool refused = false;
    while (generation == lockGeneration_ && !refused) {
        std::vector<OtpSecretRef> batch = unreadSecretRefs(batchSize);
        if (batch.empty()) break;
        refused = (co_await secretCache_.loadMany(std::move(batch))).has_value();
        read = true;
    }
    if (generation != lockGeneration_) co_return;
    readingRemainingFor_.reset();
    if (read && !refused) co_await reloadCodes();
}

QCoro::Task<SecretBytes> QuorbitViewModel::loadSecretCached(OtpSecretRef ref) {
    co_return co_await secretCache_.load(std::move(ref));
}

QCoro::Task<> QuorbitViewModel::saveGroups(std::vector<std::string> groups) {
    return accountEditing_->saveGroups(std::move(groups));
}

QCoro::Task<> QuorbitViewModel::recordEvent(SecurityEventKind kind, std::optional<Uuid> accountId,
                                            std::optional<std::string> accountLabel, std::string message,
                                            std::map<std::string, std::string> metadata) {
    try {
        auto write = [&log = ports_.securityEventLogger, kind, accountId, accountLabel, message, metadata] {
            log.log(kind, accountId, accountLabel, message, metadata);
        };
        co_await worker_.run(std::move(write));
    } catch (const std::exception&) {
        // a lost event is dropped, as the log itself does
    }
}

// --- lock and unlock ------------------------------------------------------------------------

QCoro::Task<> QuorbitViewModel::refreshLockState() {
    const bool wasUnlocked = isUnlocked_;
    const bool unlocked = ports_.vault.isUnlocked();
    setIsUnlocked(unlocked);
    if (unlocked) co_return;
    // Expired by time: codes, secrets and marks go; the list stays until the next unlock.
    if (wasUnlocked || !secretCache_.empty() || !codes_.empty()) ++lockGeneration_;
    clearSecretCache();
    if (!codes_.empty() || !secondsRemaining_.empty()) clearCodes();
    setRevealedAccountIDs({});
    setCopiedAccountID(std::nullopt);
}

QCoro::Task<> QuorbitViewModel::ensureUnlocked(UnlockPurpose purpose) {
    if (ports_.vault.extendIfUnlocked()) {
        setIsUnlocked(true);
        co_return;
    }
    const std::string reason = unlockReason(purpose, settings_.language);
    // A named job: GCC 12 frees a temporary lambda's captures twice in a co_await operand.
    auto unlock = [&vault = ports_.vault, reason] { return vault.unlock(reason); };
    const bool unlocked = co_await worker_.run(std::move(unlock));
    setIsUnlocked(unlocked);
    if (!unlocked) throw QuorbitError(QuorbitError::Case::locked);
}

bool QuorbitViewModel::ensureKeychainTrustMessageAccepted() {
    if (hasAcceptedKeychainTrustMessage_) return true;
    DialogPresenter::Alert alert;
    alert.style = DialogPresenter::AlertStyle::informational;
    alert.message =
        localized(settings_.language, "System keyring access request", "Запрос доступа к системной связке ключей");
    alert.informativeText = localized(
        settings_.language,
        "Your computer may ask for access to the system keyring. Quorbit needs this to save or read your 2FA "
        "secrets. Codes and secrets are never sent to an external server.",
        "Компьютер может запросить доступ к системной связке ключей. Это нужно, чтобы Quorbit мог сохранять и "
        "читать ваши 2FA-секреты. Коды и секреты не отправляются на внешний сервер.");
    alert.firstButton = localized(settings_.language, "Continue", "Продолжить");
    alert.cancelButton = std::string(localized(settings_.language, "Cancel", "Отмена"));
    hasAcceptedKeychainTrustMessage_ = ports_.dialogs.showAlert(alert).firstButtonChosen;
    return hasAcceptedKeychainTrustMessage_;
}

QCoro::Task<> QuorbitViewModel::unlock() {
    const std::string reason = unlockReason(UnlockPurpose::showCodes, settings_.language);
    // A named job: GCC 12 frees a temporary lambda's captures twice in a co_await operand.
    auto unlock = [&vault = ports_.vault, reason] { return vault.unlock(reason); };
    const bool unlocked = co_await worker_.run(std::move(unlock));
    if (!unlocked) {
        setIsUnlocked(false);
        co_return;
    }
    if (!ensureKeychainTrustMessageAccepted()) {
        ports_.vault.lock();
        setIsUnlocked(false);
        co_return;
    }
    setIsUnlocked(true);
    secretCache_.forgetRefusal();
    co_await reload();
    if (isUnlocked_ && pendingPostOnboardingAction_) runPostOnboardingAction();
    co_await recordEvent(SecurityEventKind::appUnlocked, std::nullopt, std::nullopt, "App unlocked", {});
}

void QuorbitViewModel::lock() {
    ports_.vault.lock();
    clearUnlockedState();
    detach(recordEvent(SecurityEventKind::appLocked, std::nullopt, std::nullopt, "App locked", {}));
}

void QuorbitViewModel::clearUnlockedState() {
    ++lockGeneration_;
    clearSecretCache();
    setIsUnlocked(false);
    publishAccounts({});
    clearCodes();
    setRevealedAccountIDs({});
    setCopiedAccountID(std::nullopt);
    // A code must not stay readable on the lock screen.
    dropCodeInStatus();
    setShowingAddToken(false);
    setEditingTagsAccount(std::nullopt);
}

void QuorbitViewModel::extendIfUnlocked() { ports_.vault.extendIfUnlocked(); }

// --- settings ---------------------------------------------------------------------------------

void QuorbitViewModel::setSettings(const AppSettings& value) {
    AppSettings next = withUsableIterations(value);
    if (next == settings_) return;
    const AppSettings old = std::exchange(settings_, next);
    detach(worker_.run([&store = ports_.settingsStore, next] { store.saveSettings(next); }));
    emit settingsChanged();
    applySettingsChange(old);
}

void QuorbitViewModel::applySettingsChange(const AppSettings& old) {
    if (settings_.autoLock != old.autoLock) ports_.vault.updateTimeout(timeout(settings_.autoLock));
    if (assign(backupPBKDF2Iterations_, settings_.backupPBKDF2Iterations)) emit settingsChanged();
    if (assign(backupSaltBytes_, settings_.backupSaltBytes)) emit settingsChanged();
    if (!settings_.showTrashedTokens && settings_.selectedAccountFilter == AccountFilterSelection::trash()) {
        AppSettings fallback = settings_;
        fallback.selectedAccountFilter = AccountFilterSelection::all();
        setSettings(fallback);
    }
    if (settings_.selectedAccountFilter != old.selectedAccountFilter) normalizeSelectedFilter();
    if (settings_.hideCodesByDefault != old.hideCodesByDefault || settings_.copyCodeOnClick != old.copyCodeOnClick) {
        setRevealedAccountIDs({});
    }
    if (settings_.hideCodesByDefault && !old.hideCodesByDefault) dropCodeInStatus();
    if (settings_.language != old.language) setStatusMessage(std::nullopt);
    if (settings_.hasCompletedOnboarding != old.hasCompletedOnboarding) emit onboardingChanged();
    if (settings_.theme != old.theme) emit themeChanged();
}

void QuorbitViewModel::setBackupPBKDF2Iterations(std::int64_t iterations) {
    AppSettings changed = settings_;
    changed.backupPBKDF2Iterations = iterations;
    setSettings(changed);
    if (assign(backupPBKDF2Iterations_, settings_.backupPBKDF2Iterations)) emit settingsChanged();
}

void QuorbitViewModel::setBackupSaltBytes(std::int64_t bytes) {
    AppSettings changed = settings_;
    changed.backupSaltBytes = bytes;
    setSettings(changed);
    if (assign(backupSaltBytes_, settings_.backupSaltBytes)) emit settingsChanged();
}

void QuorbitViewModel::validatePBKDF2Iterations(std::int64_t value) {
    setPbkdf2Warning(value < minimumIterations
                         ? std::optional(QString::fromStdString(localizer().pbkdf2TooLowWarning(minimumIterations)))
                         : std::nullopt);
    setBackupPBKDF2Iterations(std::max(value, minimumIterations));
}

QCoro::Task<> QuorbitViewModel::refreshLoginItemStatus() {
    bool enabled = settings_.launchAtLogin;
    try {
        enabled = co_await worker_.run([&service = ports_.loginItemService] { return service.isEnabled(); });
    } catch (const std::exception&) {
        co_return;  // the toggle keeps showing the stored state
    }
    if (enabled == settings_.launchAtLogin) co_return;
    AppSettings changed = settings_;
    changed.launchAtLogin = enabled;
    setSettings(changed);
}

QCoro::Task<> QuorbitViewModel::setLaunchAtLogin(bool enabled) {
    std::optional<std::string> failure;
    try {
        co_await worker_.run([&service = ports_.loginItemService, enabled] { service.setEnabled(enabled); });
    } catch (const std::exception& error) {
        failure = localizer().errorDescription(error);
    }
    co_await refreshLoginItemStatus();
    if (failure) {
        setStatusMessage(QString::fromStdString(localizer().launchAtLoginError(*failure)));
        co_return;
    }
    setStatusMessage(settings_.launchAtLogin ? text("Launch at login enabled", "Запуск при входе включен")
                                             : text("Launch at login disabled", "Запуск при входе отключен"));
}

// --- onboarding -------------------------------------------------------------------------------

void QuorbitViewModel::resetOnboardingFromSettings() {
    AppSettings changed = settings_;
    changed.hasCompletedOnboarding = false;
    setSettings(changed);
    setOnboardingDeferredForSession(false);
    setForceFullOnboarding(true);
    setStatusMessage(
        text("Introduction has been reset and will open again.", "Введение сброшено и будет показано снова."));
}

void QuorbitViewModel::completeOnboarding(OnboardingCompletionAction action) {
    AppSettings changed = settings_;
    changed.hasCompletedOnboarding = true;
    setSettings(changed);
    setOnboardingDeferredForSession(false);
    setForceFullOnboarding(false);
    switch (action) {
    case OnboardingCompletionAction::openApp: pendingPostOnboardingAction_.reset(); break;
    case OnboardingCompletionAction::addAccount: pendingPostOnboardingAction_ = PostOnboardingAction::addAccount; break;
    case OnboardingCompletionAction::importAccounts:
        pendingPostOnboardingAction_ = PostOnboardingAction::importAccounts;
        break;
    }
    if (isUnlocked_ && pendingPostOnboardingAction_) runPostOnboardingAction();
}

void QuorbitViewModel::deferOnboardingForSession() {
    setOnboardingDeferredForSession(true);
    setForceFullOnboarding(false);
    setStatusMessage(text("Onboarding closed for this session. You can reopen it in Settings.",
                          "Введение закрыто до следующего запуска. Его можно открыть снова в Настройках."));
}

void QuorbitViewModel::runPostOnboardingAction() {
    const PostOnboardingAction action = *std::exchange(pendingPostOnboardingAction_, std::nullopt);
    if (action == PostOnboardingAction::addAccount) {
        resetAddForm();
        setShowingAddToken(true);
    } else {
        importQRImage(false);
    }
}

// --- operations built by the collaborators ------------------------------------------------------

std::vector<AccountFilterSelection> QuorbitViewModel::availableFilters() const {
    return codeCopying_->availableFilters();
}
std::vector<OtpAccount> QuorbitViewModel::visibleAccounts() const { return codeCopying_->visibleAccounts(); }
// A click that shows a code asks for it, so a keyring that refused before may ask again; a click
// that copies asks through the copy's own read.
QCoro::Task<> QuorbitViewModel::primaryAction(OtpAccount account) {
    if (!settings_.copyCodeOnClick) secretCache_.forgetRefusal();
    return codeCopying_->primaryAction(std::move(account));
}
// Showing a code asks for it: a keyring that refused before may ask again.
void QuorbitViewModel::toggleCodeVisibility(const OtpAccount& account) {
    secretCache_.forgetRefusal();
    codeCopying_->toggleCodeVisibility(account);
}
QCoro::Task<> QuorbitViewModel::copyCode(OtpAccount account) { return codeCopying_->copyCode(std::move(account)); }
std::optional<OtpAccount> QuorbitViewModel::quickAccessAccount() const { return codeCopying_->quickAccessAccount(); }
QCoro::Task<> QuorbitViewModel::copyQuickAccessCode() { return codeCopying_->copyQuickAccessCode(); }

QCoro::Task<> QuorbitViewModel::toggleFavorite(OtpAccount account) {
    return accountActions_->toggleFavorite(std::move(account));
}
QCoro::Task<> QuorbitViewModel::advanceHotpCounter(OtpAccount account) {
    return accountActions_->advanceHotpCounter(std::move(account));
}
QCoro::Task<> QuorbitViewModel::moveToTrash(OtpAccount account) {
    return accountActions_->moveToTrash(std::move(account));
}
QCoro::Task<> QuorbitViewModel::restore(OtpAccount account) { return accountActions_->restore(std::move(account)); }
QCoro::Task<> QuorbitViewModel::deletePermanently(OtpAccount account) {
    return accountActions_->deletePermanently(std::move(account));
}

void QuorbitViewModel::resetAddForm() { accountEditing_->resetAddForm(); }
QCoro::Task<> QuorbitViewModel::addManual() { return accountEditing_->addManual(); }
void QuorbitViewModel::addManualTag() { accountEditing_->addManualTag(); }
void QuorbitViewModel::addEditorTag() { accountEditing_->addEditorTag(); }
void QuorbitViewModel::toggleTag(const std::string& tag, std::set<std::string>& tags) const {
    accountEditing_->toggleTag(tag, tags);
}
void QuorbitViewModel::beginEditingTags(const OtpAccount& account) { accountEditing_->beginEditingTags(account); }
void QuorbitViewModel::cancelEditingTags() { accountEditing_->cancelEditingTags(); }
QCoro::Task<> QuorbitViewModel::saveEditedTags() { return accountEditing_->saveEditedTags(); }

QCoro::Task<std::optional<std::vector<SecurityAuditIssue>>> QuorbitViewModel::runSecurityAudit() {
    return securityAuditActions_->runSecurityAudit();
}
QCoro::Task<> QuorbitViewModel::ignoreSecurityIssue(SecurityAuditIssue issue) {
    return securityAuditActions_->ignoreSecurityIssue(std::move(issue));
}
QCoro::Task<std::vector<SecurityEvent>> QuorbitViewModel::loadSecurityEvents() {
    return securityAuditActions_->loadSecurityEvents();
}
QCoro::Task<> QuorbitViewModel::clearSecurityLog() { return securityAuditActions_->clearSecurityLog(); }

void QuorbitViewModel::importQRImage(bool closeAddTokenOnSuccess) { imports_->importQRImage(closeAddTokenOnSuccess); }
void QuorbitViewModel::importQRCodeFromScreen(bool closeAddTokenOnSuccess) {
    imports_->importQRCodeFromScreen(closeAddTokenOnSuccess);
}
QCoro::Task<> QuorbitViewModel::handleGoogleAuthMigration(std::string uri, bool closeAddTokenOnSuccess) {
    return imports_->handleGoogleAuthMigration(std::move(uri), closeAddTokenOnSuccess);
}
QCoro::Task<bool> QuorbitViewModel::importGoogleAuthAccounts(std::vector<GoogleAuthAccount> accounts,
                                                             std::set<int> selectedIndices) {
    return imports_->importGoogleAuthAccounts(std::move(accounts), std::move(selectedIndices));
}
QCoro::Task<> QuorbitViewModel::importOtpAuthText(std::string text) {
    return imports_->importOtpAuthText(std::move(text));
}
void QuorbitViewModel::importOtpAuthTextFile() { imports_->importOtpAuthTextFile(); }
bool QuorbitViewModel::isImportRunning() const { return bulkImport_->isRunning(); }
void QuorbitViewModel::cancelImport() { bulkImport_->cancel(); }

void QuorbitViewModel::exportEncryptedBackup() { backupTransfer_->exportEncryptedBackup(); }
void QuorbitViewModel::importEncryptedBackup() { backupTransfer_->importEncryptedBackup(); }

void QuorbitViewModel::exportOtpAuthURIs() { exports_->exportOtpAuthURIs(); }
void QuorbitViewModel::exportSelectedAccounts(std::set<Uuid> accountIds) {
    exports_->exportSelectedAccounts(std::move(accountIds));
}
void QuorbitViewModel::createRecoveryKit(std::filesystem::path destination) {
    exports_->createRecoveryKit(std::move(destination));
}
void QuorbitViewModel::deleteAllTokensWithConfirmation() { deleteAll_->deleteAllTokensWithConfirmation(); }

QCoro::Task<DataLifecycleStats> QuorbitViewModel::loadLifecycleStats() { return lifecycleActions_->lifecycleStats(); }
QCoro::Task<std::vector<OtpAccount>> QuorbitViewModel::loadLifecycleAccounts(DataLifecycleCategory category) {
    return lifecycleActions_->lifecycleAccounts(category);
}
QCoro::Task<> QuorbitViewModel::recordLifecycleReviewOpened() {
    return lifecycleActions_->recordLifecycleReviewOpened();
}
QCoro::Task<> QuorbitViewModel::performLifecycleAction(DataLifecycleAction action, std::set<Uuid> accountIds) {
    return lifecycleActions_->performLifecycleAction(std::move(action), std::move(accountIds));
}
void QuorbitViewModel::openDiagnostics() { lifecycleActions_->openDiagnostics(); }

}  // namespace quorbit
