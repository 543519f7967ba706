#include <QApplication>

#include <gtest/gtest.h>

#include "support/LeakCheckBeforeTeardown.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing tests must work without a display, so the application only starts for a run.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    quorbit::test::checkForLeaksBeforeTeardown();
    return result;
}
