#include "ui/SerialWorker.h"

namespace quorbit {

// A thread that never expires: the keyring and PAM sessions stay on one thread for the run.
SerialWorker::SerialWorker() {
    pool_.setMaxThreadCount(1);
    pool_.setExpiryTimeout(-1);
}

SerialWorker::~SerialWorker() {
    *alive_ = false;
    pool_.waitForDone();
}

}  // namespace quorbit
