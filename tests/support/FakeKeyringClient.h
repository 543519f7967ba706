#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "application/ports/KeyringClient.h"
#include "application/ports/KeyringClientError.h"

namespace quorbit::test {

// An in-memory keyring keyed by service and account. Each operation can be made to fail for
// one service, and saves can be made to store other bytes than given (a write that does not
// read back equal).
class FakeKeyringClient final : public KeyringClient {
public:
    enum class Operation { save, load, remove, loadMany };

    void save(const std::string& service, const std::string& account, const SecretBytes& data,
              bool synchronizable) override;
    SecretBytes load(const std::string& service, const std::string& account) override;
    void remove(const std::string& service, const std::string& account) override;
    std::map<std::string, SecretBytes> loadMany(const std::string& service,
                                                const std::vector<std::string>& accounts) override;
    std::vector<std::string> unlockedAccounts(const std::string& service) override;

    void putItem(const std::string& service, const std::string& account, SecretBytes data);
    std::optional<SecretBytes> item(const std::string& service, const std::string& account) const;
    std::optional<bool> lastSaveSynchronizable() const;

    void fail(Operation operation, const std::string& service, KeyringClientError error);
    void storeAlteredBytes(bool altered);
    // Every call as "<operation> <service>", in call order, failed ones included.
    std::vector<std::string> calls() const;

private:
    using Key = std::pair<std::string, std::string>;
    void record(Operation operation, const std::string& service);

    mutable std::mutex mutex_;
    std::map<Key, SecretBytes> items_;
    std::map<std::pair<Operation, std::string>, KeyringClientError> failures_;
    std::vector<std::string> calls_;
    std::optional<bool> lastSaveSynchronizable_;
    bool storeAlteredBytes_ = false;
};

}  // namespace quorbit::test
