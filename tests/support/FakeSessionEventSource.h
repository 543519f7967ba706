#pragma once

#include "application/ports/SessionEventSource.h"

namespace quorbit::test {

// A session whose sleep and lock events the test fires by hand.
class FakeSessionEventSource final : public SessionEventSource {
public:
    void watch(Handler handler) override {
        handler_ = std::move(handler);
        ++watchCount_;
    }

    // Does nothing while nobody watches, like a session no one listens to.
    void fire(Event event) const {
        if (handler_) handler_(event);
    }
    int watchCount() const { return watchCount_; }

private:
    Handler handler_;
    int watchCount_ = 0;
};

}  // namespace quorbit::test
