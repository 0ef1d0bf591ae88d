// The GUI tests run the real window in-process under the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "SkipsFailUnderCi.h"
#include "app/ToolTips.h"

int main(int argc, char** argv) {
    // Discovery runs this program too, outside ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window keeps its place in the user's configuration folder: not the tester's.
    QStandardPaths::setTestModeEnabled(true);
    tessaly::app::ToolTips::installStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return tessaly::test_support::skipsFailUnderCi(RUN_ALL_TESTS());
}
