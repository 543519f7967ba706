#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "application/ports/TokenRepository.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// An in-memory account list. Loads and saves can be made to fail, and a hook sees every save
// as it happens, so tests can check what else was already written at that moment.
class FakeTokenRepository final : public TokenRepository {
public:
    using SaveObserver = std::function<void(const std::vector<OtpAccount>&)>;

    explicit FakeTokenRepository(std::vector<OtpAccount> accounts = {});

    std::vector<OtpAccount> loadAccounts() override;
    void saveAccounts(const std::vector<OtpAccount>& accounts) override;

    std::vector<OtpAccount> accounts() const;
    void setAccounts(std::vector<OtpAccount> accounts);
    // Puts an account at the end of the list without counting as a save.
    void appendAccount(const OtpAccount& account);
    int loadCount() const;
    int saveCount() const;

    void failLoadsWith(std::optional<QuorbitError> error);
    void failSavesWith(std::optional<QuorbitError> error);
    bool keepsSetAsideCopies() const override { return keepsSetAsideCopies_; }
    void setKeepsSetAsideCopies(bool keeps) { keepsSetAsideCopies_ = keeps; }
    // Called before a save is stored; it may throw to make that save fail.
    void observeSaves(SaveObserver observer);

private:
    mutable std::mutex mutex_;
    std::vector<OtpAccount> accounts_;
    int loadCount_ = 0;
    int saveCount_ = 0;
    bool keepsSetAsideCopies_ = false;
    std::optional<QuorbitError> loadError_;
    std::optional<QuorbitError> saveError_;
    SaveObserver observer_;
};

}  // namespace quorbit::test
