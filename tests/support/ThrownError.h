#pragma once

#include <functional>

#include <gtest/gtest.h>

#include "domain/QuorbitError.h"

namespace quorbit::test {

// The QuorbitError an action throws; a test failure when it throws none.
inline QuorbitError thrownError(const std::function<void()>& action) {
    try {
        action();
    } catch (const QuorbitError& error) {
        return error;
    }
    ADD_FAILURE() << "no QuorbitError was thrown";
    return QuorbitError(QuorbitError::Case::locked);
}

}  // namespace quorbit::test
