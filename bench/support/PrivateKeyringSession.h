#pragma once

namespace quorbit::bench {

// A benchmark that needs the Secret Service runs again inside a D-Bus session of its own, with
// temporary home and XDG folders and a gnome-keyring unlocked with a throwaway password, as the
// test run does: it never sees the user's keyring. `enter` returns only in that inner run; the
// outer run waits for it, removes the folders and exits with its status.
class PrivateKeyringSession {
public:
    static void enter();
};

}  // namespace quorbit::bench
