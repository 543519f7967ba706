#pragma once

#include <gtest/gtest.h>

#include "support/ui/ViewModelHarness.h"

namespace quorbit::test {

// The view model's tests: every port a fake (see ViewModelHarness).
class ViewModelFixture : public ::testing::Test, public ViewModelHarness {};

}  // namespace quorbit::test
