#include <QApplication>

#include <gtest/gtest.h>

#include "support/LeakCheckBeforeTeardown.h"
#include "support/views/ViewEnvironment.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    quorbit::test::ViewEnvironment::prepareProcess();
    QApplication app(argc, argv);
    quorbit::test::ViewEnvironment::prepareApplication();
    const int result = RUN_ALL_TESTS();
    quorbit::test::checkForLeaksBeforeTeardown();
    return result;
}
