#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "application/ports/SecretStore.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// An in-memory secret store that behaves like the keyring one: a missing secret fails to load
// with keychainFailure("Item not found"), deleting a missing one succeeds. Each operation can
// be made to fail; deletions also for one reference only. A read of many is one call that
// fails as a whole with the load error, as the keyring's does.
class FakeSecretStore final : public SecretStore {
public:
    void saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) override;
    SecretBytes loadSecret(const OtpSecretRef& ref) override;
    void deleteSecret(const OtpSecretRef& ref) override;
    std::map<OtpSecretRef, SecretBytes> loadSecrets(const std::vector<OtpSecretRef>& refs) override;
    std::vector<OtpSecretRef> storedSecretRefs() override;

    std::optional<SecretBytes> secret(const OtpSecretRef& ref) const;
    bool contains(const OtpSecretRef& ref) const;
    std::size_t size() const;
    // Every reference a deletion was attempted for, in call order, failed ones included.
    std::vector<OtpSecretRef> deleteRequests() const;
    // Calls of loadSecret and of loadSecrets, failed ones included.
    int singleReads() const;
    int batchReads() const;
    // Secrets asked for by both kinds of read together.
    int secretsRead() const;

    // While held, reads wait (on the caller's thread) until released.
    void holdReads(bool held);

    void failSavesWith(std::optional<QuorbitError> error);
    void failLoadsWith(std::optional<QuorbitError> error);
    // Without a reference every deletion fails; with one only the deletion of that reference.
    void failDeletesWith(std::optional<QuorbitError> error, std::optional<OtpSecretRef> onlyFor = std::nullopt);

private:
    mutable std::mutex mutex_;
    std::condition_variable readsReleased_;
    bool readsHeld_ = false;
    std::map<OtpSecretRef, SecretBytes> secrets_;
    std::vector<OtpSecretRef> deleteRequests_;
    int singleReads_ = 0;
    int batchReads_ = 0;
    int secretsRead_ = 0;
    std::optional<QuorbitError> saveError_;
    std::optional<QuorbitError> loadError_;
    std::optional<QuorbitError> deleteError_;
    std::optional<OtpSecretRef> deleteErrorRef_;
};

}  // namespace quorbit::test
