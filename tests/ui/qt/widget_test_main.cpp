// Runs the widget tests inside one QApplication on the offscreen platform, set up as the
// program sets itself up, with the toolkit's own look whatever the desktop's theme.
#include "ui/qt/platform.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Widget tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tarvelon::qt::configureApplication();
    return RUN_ALL_TESTS();
}
