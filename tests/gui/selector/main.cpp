// The selector's window tests run offscreen, with every dialog scripted.

#include <gtest/gtest.h>

#include <QApplication>

#include "SkipsFailUnderCi.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return tessaly::test_support::skipsFailUnderCi(RUN_ALL_TESTS());
}
