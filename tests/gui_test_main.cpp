#include <gtest/gtest.h>

#include <QApplication>

// Widgets, and the fonts the PDF writer lays text out with, need an application object; test
// discovery runs without the tests' environment, so the display-free platform is the default.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
