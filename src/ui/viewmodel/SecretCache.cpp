#include "ui/viewmodel/SecretCache.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "application/ports/SecretStore.h"
#include "lib/TotpGenerating.h"
#include "ui/SerialWorker.h"

namespace quorbit {

// Suspends until the next read of the cache ends.
struct SecretCache::ReadFinished {
    SecretCache& cache;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> joiner) { cache.joiners_.push_back(joiner); }
    void await_resume() const noexcept {}
};

SecretCache::SecretCache(SecretStore& store, SerialWorker& worker) : store_(store), worker_(worker) {}

// Joiners still waiting unwind (as the worker's awaiters do) instead of staying suspended.
SecretCache::~SecretCache() {
    *alive_ = false;
    finishRead();
}

const SecretBytes* SecretCache::find(const OtpSecretRef& ref) const {
    const auto found = secrets_.find(ref);
    return found == secrets_.end() ? nullptr : &found->second;
}

const PreparedOtpKey* SecretCache::preparedKey(const OtpSecretRef& ref, OtpAlgorithm algorithm,
                                               const TotpGenerating& generator) {
    const SecretBytes* secret = find(ref);
    if (secret == nullptr) return nullptr;
    auto found = preparedKeys_.find(ref);
    if (found == preparedKeys_.end() || found->second.algorithm() != algorithm) {
        found = preparedKeys_.insert_or_assign(ref, generator.prepareKey(*secret, algorithm)).first;
    }
    return &found->second;
}

bool SecretCache::isUnread(const OtpSecretRef& ref) const { return !secrets_.contains(ref) && !leftOut_.contains(ref); }

QCoro::Task<SecretBytes> SecretCache::load(OtpSecretRef ref) {
    const std::uint64_t period = period_;
    // A named list: GCC 12 cannot build a braced list inside a co_await operand.
    std::vector<OtpSecretRef> joined{ref};
    co_await joinReadsOf(std::move(joined));
    // Locked while joining: the keyring is not asked after a lock.
    if (period != period_) throw QuorbitError(QuorbitError::Case::locked);
    // A copy: QCoro's promise moves from a non-const lvalue, which would empty the cache.
    if (const SecretBytes* cached = find(ref)) co_return SecretBytes(*cached);
    reading_.insert(ref);
    std::optional<SecretBytes> secret;
    std::exception_ptr failure;
    try {
        auto read = [&store = store_, ref] { return store.loadSecret(ref); };
        secret = co_await worker_.run(std::move(read));
    } catch (const QuorbitError& error) {
        rememberRefusal(error);
        failure = std::current_exception();
    } catch (const std::exception&) {
        failure = std::current_exception();
    }
    if (period == period_) {
        reading_.erase(ref);
        if (secret) {
            refusal_.reset();  // the keyring answered: it is open again
            secrets_.insert_or_assign(ref, *secret);
            preparedKeys_.erase(ref);
            leftOut_.erase(ref);
            ++version_;
        }
    }
    finishRead();
    if (failure) std::rethrow_exception(failure);
    co_return std::move(*secret);
}

QCoro::Task<std::optional<QuorbitError>> SecretCache::loadMany(std::vector<OtpSecretRef> refs) {
    if (refusal_) co_return refusal_;
    std::vector<OtpSecretRef> unread;
    for (const OtpSecretRef& ref : refs) {
        if (isUnread(ref) && reading_.insert(ref).second) unread.push_back(ref);
    }
    if (!unread.empty()) {
        const std::uint64_t period = period_;
        std::map<OtpSecretRef, SecretBytes> found;
        bool failed = false;
        try {
            auto read = [&store = store_, unread] { return store.loadSecrets(unread); };
            found = co_await worker_.run(std::move(read));
        } catch (const QuorbitError& error) {
            rememberRefusal(error);
            failed = true;
        } catch (const std::exception&) {
            failed = true;
        }
        if (period == period_) {
            for (const OtpSecretRef& ref : unread) {
                reading_.erase(ref);
                // A refused keyring keeps them unread for the user's next request; otherwise each
                // missing one is read on its own, which says why.
                if (!found.contains(ref) && !(failed && refusal_)) leftOut_.insert(ref);
            }
            if (!found.empty()) ++version_;
            secrets_.merge(found);
        }
        finishRead();
    }
    co_await joinReadsOf(std::move(refs));
    co_return refusal_;
}

QCoro::Task<> SecretCache::joinReadsOf(std::vector<OtpSecretRef> refs) {
    const std::shared_ptr<bool> alive = alive_;
    while (std::ranges::any_of(refs, [this](const OtpSecretRef& ref) { return reading_.contains(ref); })) {
        co_await ReadFinished{*this};
        if (!*alive) throw SerialWorker::Stopped{};
    }
}

void SecretCache::finishRead() {
    for (const std::coroutine_handle<> joiner : std::exchange(joiners_, {})) joiner.resume();
}

void SecretCache::rememberRefusal(const QuorbitError& error) {
    if (error.errorCase() == QuorbitError::Case::keychainAccessDenied) refusal_ = error;
}

void SecretCache::clear() {
    ++period_;
    if (!secrets_.empty()) ++version_;
    secrets_.clear();
    preparedKeys_.clear();
    leftOut_.clear();
    reading_.clear();
    refusal_.reset();
    finishRead();
}

void SecretCache::erase(const OtpSecretRef& ref) {
    if (secrets_.erase(ref) != 0) ++version_;
    preparedKeys_.erase(ref);
    leftOut_.erase(ref);
}

}  // namespace quorbit
