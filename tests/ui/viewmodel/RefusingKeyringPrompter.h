#pragma once

#include <atomic>

// GLib's own declarations; its headers clash with Qt's keywords in the tests that include this.
typedef struct _GMainContext GMainContext;
typedef struct _GMainLoop GMainLoop;
typedef struct _GDBusConnection GDBusConnection;
typedef struct _GThread GThread;

namespace quorbit::test {

// Stands in for the desktop's prompter on the session bus: every prompt the keyring daemon
// opens (to unlock a locked collection) is refused at once, as a user cancelling it, and counted.
class RefusingKeyringPrompter {
public:
    RefusingKeyringPrompter();
    ~RefusingKeyringPrompter();
    RefusingKeyringPrompter(const RefusingKeyringPrompter&) = delete;
    RefusingKeyringPrompter& operator=(const RefusingKeyringPrompter&) = delete;

    int prompts() const { return prompts_; }

private:
    std::atomic<int> prompts_{0};
    GMainContext* context_;
    GMainLoop* loop_;
    GDBusConnection* connection_ = nullptr;
    GThread* thread_ = nullptr;
};

}  // namespace quorbit::test
