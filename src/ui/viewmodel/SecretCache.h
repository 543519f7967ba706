#pragma once

#include <coroutine>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <qcoro/qcorotask.h>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpSecretRef.h"
#include "domain/QuorbitError.h"
#include "domain/SecretBytes.h"
#include "lib/PreparedOtpKey.h"

namespace quorbit {

class SecretStore;
class SerialWorker;
class TotpGenerating;

// The secrets read from the store in one unlocked period. Each is read once: a read that is
// already running is joined, never started again. A keyring that refused access (its prompt
// dismissed) is remembered until the user asks again, so nothing the program does on its own
// brings the keyring's prompt back. Lives on the GUI thread; the reads run on the worker.
class SecretCache final {
public:
    SecretCache(SecretStore& store, SerialWorker& worker);
    ~SecretCache();
    SecretCache(const SecretCache&) = delete;
    SecretCache& operator=(const SecretCache&) = delete;

    const SecretBytes* find(const OtpSecretRef& ref) const;
    bool empty() const { return secrets_.empty(); }
    // The cached secret made ready for `algorithm`, prepared once and dropped with the secret, so
    // that a new period costs each account only its own hashing. Null when the secret is not
    // cached; throws as `prepareKey` does.
    const PreparedOtpKey* preparedKey(const OtpSecretRef& ref, OtpAlgorithm algorithm, const TotpGenerating& generator);
    // Not read yet: neither cached nor left out by a read of many.
    bool isUnread(const OtpSecretRef& ref) const;
    // Left out by a read of many (missing, or only under the earlier service name): only a
    // read of its own says why.
    bool isLeftOut(const OtpSecretRef& ref) const { return leftOut_.contains(ref); }

    // One secret, from the cache or read on its own (joining a read that covers it), also after
    // a refusal: only the user's own requests read this way. Throws what the store throws; a
    // refusal is remembered, a success forgets it.
    QCoro::Task<SecretBytes> load(OtpSecretRef ref);
    // The unread ones of `refs` in one read of many (joining reads that cover some of them).
    // Hands back the remembered refusal instead of asking the keyring again. Any other failure
    // leaves the secrets to reads of their own.
    QCoro::Task<std::optional<QuorbitError>> loadMany(std::vector<OtpSecretRef> refs);

    const std::optional<QuorbitError>& refusal() const { return refusal_; }
    // The user asked again: the next read may bring the keyring's prompt.
    void forgetRefusal() { refusal_.reset(); }

    // A lock: everything goes, and reads still running store nothing.
    void clear();
    void erase(const OtpSecretRef& ref);
    // Grows with every change of the cached secrets.
    std::uint64_t version() const { return version_; }

private:
    struct ReadFinished;
    QCoro::Task<> joinReadsOf(std::vector<OtpSecretRef> refs);
    void finishRead();
    void rememberRefusal(const QuorbitError& error);

    SecretStore& store_;
    SerialWorker& worker_;
    std::map<OtpSecretRef, SecretBytes> secrets_;
    std::map<OtpSecretRef, PreparedOtpKey> preparedKeys_;  // of cached secrets only
    std::set<OtpSecretRef> leftOut_;
    std::set<OtpSecretRef> reading_;
    std::optional<QuorbitError> refusal_;
    std::uint64_t period_ = 0;  // grows on every clear
    std::uint64_t version_ = 0;
    std::vector<std::coroutine_handle<>> joiners_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace quorbit
