#pragma once

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include <qcoro/qcorotask.h>

#include "application/ports/DialogPresenter.h"
#include "application/text/AppLocalizer.h"
#include "domain/OtpAccount.h"
#include "domain/OtpSecretRef.h"
#include "domain/SecretBytes.h"
#include "domain/SecurityEventKind.h"
#include "domain/Uuid.h"
#include "ui/viewmodel/UnlockPurpose.h"

namespace quorbit {

class QuorbitViewModel;
class SerialWorker;
class WindowHolder;
struct QuorbitViewModelPorts;

// What the view model's action collaborators (code copying, account actions, editing, audit,
// imports, backups, exports, lifecycle) get beyond its public face. Everything here runs on
// the GUI thread.
//
// Rules for an action:
// - Blocking port calls go through `worker().run(...)`, one job per load-change-save.
// - Before touching secrets: `ensureKeychainTrustMessageAccepted()` where the action shows
//   the notice, then `co_await ensureUnlocked()` (throws QuorbitError locked on refusal).
// - Take `lockGeneration()` before a co_await and compare it after: a lock in between means
//   the result must be dropped (no code published, nothing put on the clipboard).
// - Errors become the status line through `reportError`; results through the public setters
//   of `viewModel()` (`setStatusMessage`, `setShowingAddToken`, the form fields, `setSettings`).
class ActionContext {
public:
    virtual QuorbitViewModel& viewModel() = 0;
    virtual const QuorbitViewModelPorts& ports() const = 0;
    virtual SerialWorker& worker() = 0;
    // The texts of the language in force (`settings.language`).
    virtual AppLocalizer localizer() const = 0;
    // The English or the Russian text, by the language in force.
    QString text(std::string_view english, std::string_view russian) const {
        const std::string_view chosen = localized(localizer().language(), english, russian);
        return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
    }
    // Asks through an alert with a localized Cancel; true when the user chose the first button.
    // A destructive first button needs a deliberate choice.
    bool confirm(DialogPresenter::AlertStyle style, std::string_view message, std::string_view informativeText,
                 std::string_view firstButton, bool destructive = false);

    // Published fields that views only read.
    virtual void publishAccounts(std::vector<OtpAccount> accounts) = 0;
    virtual void publishAccountGroups(std::vector<std::string> groups) = 0;
    virtual void setCopiedAccountID(std::optional<Uuid> id) = 0;
    virtual void setRevealedAccountIDs(std::set<Uuid> ids) = 0;
    // statusMessage = a text carrying a code; a lock takes it off the status line.
    virtual void showCodeInStatus(const QString& message) = 0;
    // statusMessage = the error's description in the current language.
    virtual void reportError(const std::exception& error) = 0;

    // The one-time keyring notice of the run; false when the user declined (a cancellation:
    // the caller stops quietly). Shows nothing once accepted.
    virtual bool ensureKeychainTrustMessageAccepted() = 0;
    // Extends a running vault session, or asks the owner, giving the purpose as the reason;
    // throws QuorbitError locked when refused. Never shows the keyring notice.
    virtual QCoro::Task<> ensureUnlocked(UnlockPurpose purpose = UnlockPurpose::showCodes) = 0;
    // Grows by one on every lock; compare before and after a co_await.
    virtual std::uint64_t lockGeneration() const = 0;
    // The secret through the cache of this unlocked period; read from the store on the worker
    // when absent. Throws what the store throws; a lock during the read caches nothing.
    virtual QCoro::Task<SecretBytes> loadSecretCached(OtpSecretRef ref) = 0;

    // Unlocks if needed, then reloads accounts, groups and codes; failures are passed on.
    virtual QCoro::Task<> reloadThrowing() = 0;
    // Groups only (stored groups plus the tags of `accounts`); failures are passed on.
    virtual QCoro::Task<> loadGroupsThrowing() = 0;
    virtual void normalizeSelectedFilter() = 0;
    // Saves and publishes the tag groups; failures are passed on.
    virtual QCoro::Task<> saveGroups(std::vector<std::string> groups) = 0;

    // Records a security event on the worker; never fails.
    virtual QCoro::Task<> recordEvent(SecurityEventKind kind, std::optional<Uuid> accountId,
                                      std::optional<std::string> accountLabel, std::string message,
                                      std::map<std::string, std::string> metadata = {}) = 0;

    // Orders the panel out through the shell's action; without one, closes the window that has
    // the focus.
    virtual void closePanel() = 0;
    // Replaces the migration import window of the moment (none drops it) and hands back the one
    // it replaced: that window may be calling, or have an import suspended, so its caller
    // releases it later.
    virtual std::unique_ptr<WindowHolder> setGoogleAuthWindowController(std::unique_ptr<WindowHolder> holder) = 0;
    // Forgets the secrets read in this unlocked period (after they were deleted).
    virtual void clearSecretCache() = 0;
    // Forgets one cached secret (its account was deleted).
    virtual void forgetSecret(const OtpSecretRef& ref) = 0;

protected:
    virtual ~ActionContext() = default;
};

}  // namespace quorbit
