#include "support/FakeSecretStore.h"

#include <utility>

namespace quorbit::test {

void FakeSecretStore::saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) {
    std::lock_guard lock(mutex_);
    if (saveError_) throw *saveError_;
    secrets_[ref] = secret;
}

SecretBytes FakeSecretStore::loadSecret(const OtpSecretRef& ref) {
    std::unique_lock lock(mutex_);
    ++singleReads_;
    ++secretsRead_;
    readsReleased_.wait(lock, [this] { return !readsHeld_; });
    if (loadError_) throw *loadError_;
    const auto found = secrets_.find(ref);
    if (found == secrets_.end()) throw QuorbitError::keychainFailure("Item not found");
    return found->second;
}

void FakeSecretStore::deleteSecret(const OtpSecretRef& ref) {
    std::lock_guard lock(mutex_);
    deleteRequests_.push_back(ref);
    if (deleteError_ && (!deleteErrorRef_ || *deleteErrorRef_ == ref)) throw *deleteError_;
    secrets_.erase(ref);
}

std::map<OtpSecretRef, SecretBytes> FakeSecretStore::loadSecrets(const std::vector<OtpSecretRef>& refs) {
    std::unique_lock lock(mutex_);
    ++batchReads_;
    secretsRead_ += static_cast<int>(refs.size());
    readsReleased_.wait(lock, [this] { return !readsHeld_; });
    if (loadError_) throw *loadError_;
    std::map<OtpSecretRef, SecretBytes> found;
    for (const OtpSecretRef& ref : refs) {
        if (const auto secret = secrets_.find(ref); secret != secrets_.end()) found.insert(*secret);
    }
    return found;
}

std::optional<SecretBytes> FakeSecretStore::secret(const OtpSecretRef& ref) const {
    std::lock_guard lock(mutex_);
    const auto found = secrets_.find(ref);
    if (found == secrets_.end()) return std::nullopt;
    return found->second;
}

bool FakeSecretStore::contains(const OtpSecretRef& ref) const {
    std::lock_guard lock(mutex_);
    return secrets_.contains(ref);
}

std::size_t FakeSecretStore::size() const {
    std::lock_guard lock(mutex_);
    return secrets_.size();
}

std::vector<OtpSecretRef> FakeSecretStore::deleteRequests() const {
    std::lock_guard lock(mutex_);
    return deleteRequests_;
}

int FakeSecretStore::singleReads() const {
    std::lock_guard lock(mutex_);
    return singleReads_;
}

int FakeSecretStore::secretsRead() const {
    std::lock_guard lock(mutex_);
    return secretsRead_;
}

int FakeSecretStore::batchReads() const {
    std::lock_guard lock(mutex_);
    return batchReads_;
}

void FakeSecretStore::holdReads(bool held) {
    {
        std::lock_guard lock(mutex_);
        readsHeld_ = held;
    }
    readsReleased_.notify_all();
}

void FakeSecretStore::failSavesWith(std::optional<QuorbitError> error) {
    std::lock_guard lock(mutex_);
    saveError_ = std::move(error);
}

void FakeSecretStore::failLoadsWith(std::optional<QuorbitError> error) {
    std::lock_guard lock(mutex_);
    loadError_ = std::move(error);
}

void FakeSecretStore::failDeletesWith(std::optional<QuorbitError> error, std::optional<OtpSecretRef> onlyFor) {
    std::lock_guard lock(mutex_);
    deleteError_ = std::move(error);
    deleteErrorRef_ = std::move(onlyFor);
}

std::vector<OtpSecretRef> FakeSecretStore::storedSecretRefs() {
    std::lock_guard lock(mutex_);
    std::vector<OtpSecretRef> refs;
    for (const auto& [ref, secret] : secrets_) refs.push_back(ref);
    return refs;
}

}  // namespace quorbit::test
