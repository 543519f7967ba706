#include "support/FakeTokenRepository.h"

#include <utility>

namespace quorbit::test {

FakeTokenRepository::FakeTokenRepository(std::vector<OtpAccount> accounts) : accounts_(std::move(accounts)) {}

std::vector<OtpAccount> FakeTokenRepository::loadAccounts() {
    std::lock_guard lock(mutex_);
    ++loadCount_;
    if (loadError_) throw *loadError_;
    return accounts_;
}

void FakeTokenRepository::saveAccounts(const std::vector<OtpAccount>& accounts) {
    SaveObserver observer;
    {
        std::lock_guard lock(mutex_);
        if (saveError_) throw *saveError_;
        observer = observer_;
    }
    // Outside the lock, so the observer may read this repository.
    if (observer) observer(accounts);
    std::lock_guard lock(mutex_);
    ++saveCount_;
    accounts_ = accounts;
}

std::vector<OtpAccount> FakeTokenRepository::accounts() const {
    std::lock_guard lock(mutex_);
    return accounts_;
}

void FakeTokenRepository::setAccounts(std::vector<OtpAccount> accounts) {
    std::lock_guard lock(mutex_);
    accounts_ = std::move(accounts);
}

void FakeTokenRepository::appendAccount(const OtpAccount& account) {
    std::lock_guard lock(mutex_);
    accounts_.push_back(account);
}

int FakeTokenRepository::loadCount() const {
    std::lock_guard lock(mutex_);
    return loadCount_;
}

int FakeTokenRepository::saveCount() const {
    std::lock_guard lock(mutex_);
    return saveCount_;
}

void FakeTokenRepository::failLoadsWith(std::optional<QuorbitError> error) {
    std::lock_guard lock(mutex_);
    loadError_ = std::move(error);
}

void FakeTokenRepository::failSavesWith(std::optional<QuorbitError> error) {
    std::lock_guard lock(mutex_);
    saveError_ = std::move(error);
}

void FakeTokenRepository::observeSaves(SaveObserver observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

}  // namespace quorbit::test
