#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "application/ports/Clock.h"
#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "application/services/DataLifecycleCategory.h"
#include "application/services/DataLifecycleStats.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

// Review categories and bulk actions of the data lifecycle. Every action loads the list once
// and saves it once, whatever it changed; ids that match no account are ignored.
class DataLifecycleService {
public:
    DataLifecycleService(TokenRepository& repository, SecretStore& secretStore, const Clock& clock,
                         int unusedThresholdDays);

    DataLifecycleStats getLifecycleStats() const;
    // The members in repository order.
    std::vector<OtpAccount> getAccounts(DataLifecycleCategory category) const;

    // Deleting stops at the first secret that cannot be deleted and passes its error on; the
    // list is then saved without the accounts whose secrets are already gone.
    void emptyTrash() const;
    void deletePermanently(const std::set<Uuid>& accountIds) const;

    void restore(const std::set<Uuid>& accountIds) const;
    void moveToTrash(const std::set<Uuid>& accountIds) const;
    // A blank tag changes and saves nothing.
    void addTag(const std::string& tag, const std::set<Uuid>& accountIds) const;

private:
    bool isLongUnused(const OtpAccount& account, TimePoint now) const;
    bool isMember(const OtpAccount& account, DataLifecycleCategory category, TimePoint now) const;
    void deleteWhere(const std::function<bool(const OtpAccount&)>& doomed) const;
    void changeEach(const std::set<Uuid>& accountIds, const std::function<void(OtpAccount&)>& change) const;

    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Clock& clock_;
    int unusedThresholdDays_;
};

}  // namespace quorbit
