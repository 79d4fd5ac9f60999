// GUI tests run without a display on Qt's offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/skin/accessible_controls.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    oryn7px::InstallAccessibleControls();
    return RUN_ALL_TESTS();
}
