#pragma once

#include "application/ports/PermissionRequesting.h"

namespace quorbit::test {

// Screen-capture access with a scripted answer; counts the guidance shown after a refusal.
class FakePermissionRequests final : public PermissionRequesting {
public:
    PermissionRequestResult prepareScreenCaptureAccess(const AppLocalizer&) override {
        ++prepareCount_;
        return result_;
    }
    void presentScreenCaptureDeniedGuidance(const AppLocalizer&) override { ++guidanceCount_; }

    void setResult(PermissionRequestResult result) { result_ = result; }
    int prepareCount() const { return prepareCount_; }
    int guidanceCount() const { return guidanceCount_; }

private:
    PermissionRequestResult result_ = PermissionRequestResult::proceed;
    int prepareCount_ = 0;
    int guidanceCount_ = 0;
};

}  // namespace quorbit::test
