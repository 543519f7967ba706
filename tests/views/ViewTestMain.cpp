#include <QApplication>

#include <gtest/gtest.h>

#include "views/ViewEnvironment.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    quorbit::test::ViewEnvironment::prepareProcess();
    QApplication app(argc, argv);
    quorbit::test::ViewEnvironment::prepareApplication();
    return RUN_ALL_TESTS();
}
