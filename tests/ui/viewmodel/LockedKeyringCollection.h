#pragma once

#include <map>
#include <string>

// GLib's own declarations; its headers clash with Qt's keywords in the tests that include this.
typedef struct _GDBusConnection GDBusConnection;
typedef struct _GVariant GVariant;

#include "domain/SecretBytes.h"

namespace quorbit::test {

// A keyring collection of its own in the session's keyring daemon, holding items with the
// attributes `service` and `account`, then locked: reading them needs the keyring's unlock
// prompt. The login collection stays unlocked for the tests that run beside. Deleted at the end.
class LockedKeyringCollection {
public:
    LockedKeyringCollection(const std::string& service, const std::map<std::string, SecretBytes>& secretsByAccount);
    ~LockedKeyringCollection();
    LockedKeyringCollection(const LockedKeyringCollection&) = delete;
    LockedKeyringCollection& operator=(const LockedKeyringCollection&) = delete;

private:
    GVariant* call(const char* path, const char* interface, const char* method, GVariant* arguments);
    GVariant* plainSecret(const std::string& bytes) const;

    GDBusConnection* connection_;
    std::string session_;
    std::string collection_;
};

}  // namespace quorbit::test
