#include "ui/SerialWorker.h"

#include <openssl/crypto.h>

namespace quorbit {

// A thread that never expires: the keyring and PAM sessions stay on one thread for the run.
SerialWorker::SerialWorker() {
    pool_.setMaxThreadCount(1);
    pool_.setExpiryTimeout(-1);
}

bool SerialWorker::stop(std::chrono::milliseconds bound) {
    cancellation_.requestCancellation();
    pool_.clear();
    return pool_.waitForDone(static_cast<int>(bound.count()));
}

SerialWorker::~SerialWorker() {
    *alive_ = false;
    // Qt's threads are detached: OpenSSL's exit handler would free the thread's keys and random
    // state while the process may already be exiting. Freed on the thread itself, by its last job.
    pool_.start([] { OPENSSL_thread_stop(); });
    pool_.waitForDone();
}

}  // namespace quorbit
