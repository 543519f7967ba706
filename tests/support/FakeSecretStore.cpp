#include "support/FakeSecretStore.h"

#include <utility>

namespace quorbit::test {

void FakeSecretStore::saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) {
    std::lock_guard lock(mutex_);
    if (saveError_) throw *saveError_;
    secrets_[ref] = secret;
}

SecretBytes FakeSecretStore::loadSecret(const OtpSecretRef& ref) {
    std::lock_guard lock(mutex_);
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

}  // namespace quorbit::test
