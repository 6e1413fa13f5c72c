#include <gtest/gtest.h>

#include <QApplication>

// The main of every test program that needs an application object: widgets, pictures and
// fonts run on the offscreen platform unless a display is asked for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelcor Calculator");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
