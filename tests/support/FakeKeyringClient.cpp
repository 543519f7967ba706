#include "support/FakeKeyringClient.h"

namespace quorbit::test {
namespace {

const char* nameOf(FakeKeyringClient::Operation operation) {
    switch (operation) {
    case FakeKeyringClient::Operation::save: return "save";
    case FakeKeyringClient::Operation::load: return "load";
    case FakeKeyringClient::Operation::remove: return "remove";
    case FakeKeyringClient::Operation::loadMany: return "loadMany";
    }
    return "";
}

}  // namespace

void FakeKeyringClient::save(const std::string& service, const std::string& account, const SecretBytes& data,
                             bool synchronizable) {
    std::lock_guard lock(mutex_);
    record(Operation::save, service);
    lastSaveSynchronizable_ = synchronizable;
    SecretBytes stored = data;
    if (storeAlteredBytes_) stored.push_back(0x00);
    items_[{service, account}] = std::move(stored);
}

SecretBytes FakeKeyringClient::load(const std::string& service, const std::string& account) {
    std::lock_guard lock(mutex_);
    record(Operation::load, service);
    const auto found = items_.find({service, account});
    if (found == items_.end()) throw KeyringClientError::itemNotFound();
    return found->second;
}

void FakeKeyringClient::remove(const std::string& service, const std::string& account) {
    std::lock_guard lock(mutex_);
    record(Operation::remove, service);
    items_.erase({service, account});
}

std::map<std::string, SecretBytes> FakeKeyringClient::loadMany(const std::string& service,
                                                               const std::vector<std::string>& accounts) {
    std::lock_guard lock(mutex_);
    record(Operation::loadMany, service);
    std::map<std::string, SecretBytes> secrets;
    for (const std::string& account : accounts) {
        const auto found = items_.find({service, account});
        if (found != items_.end()) secrets.emplace(account, found->second);
    }
    return secrets;
}

void FakeKeyringClient::putItem(const std::string& service, const std::string& account, SecretBytes data) {
    std::lock_guard lock(mutex_);
    items_[{service, account}] = std::move(data);
}

std::optional<SecretBytes> FakeKeyringClient::item(const std::string& service, const std::string& account) const {
    std::lock_guard lock(mutex_);
    const auto found = items_.find({service, account});
    if (found == items_.end()) return std::nullopt;
    return found->second;
}

std::optional<bool> FakeKeyringClient::lastSaveSynchronizable() const {
    std::lock_guard lock(mutex_);
    return lastSaveSynchronizable_;
}

void FakeKeyringClient::fail(Operation operation, const std::string& service, KeyringClientError error) {
    std::lock_guard lock(mutex_);
    failures_.insert_or_assign({operation, service}, std::move(error));
}

void FakeKeyringClient::storeAlteredBytes(bool altered) {
    std::lock_guard lock(mutex_);
    storeAlteredBytes_ = altered;
}

std::vector<std::string> FakeKeyringClient::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

void FakeKeyringClient::record(Operation operation, const std::string& service) {
    calls_.push_back(std::string(nameOf(operation)) + " " + service);
    const auto failure = failures_.find({operation, service});
    if (failure != failures_.end()) throw failure->second;
}

std::vector<std::string> FakeKeyringClient::unlockedAccounts(const std::string& service) {
    std::lock_guard lock(mutex_);
    std::vector<std::string> accounts;
    for (const auto& [key, data] : items_) {
        if (key.first == service) accounts.push_back(key.second);
    }
    return accounts;
}

}  // namespace quorbit::test
