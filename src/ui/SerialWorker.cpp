#include "ui/SerialWorker.h"

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
    pool_.waitForDone();
}

}  // namespace quorbit
