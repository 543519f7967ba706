#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/LeakCheckBeforeTeardown.h"

// Adapters that need Qt's event loop but no display: they never connect to an X server.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    quorbit::test::checkForLeaksBeforeTeardown();
    return result;
}
