// The UI suite's main: one application for every test, offscreen unless the environment
// chooses a platform, destroyed when the tests are over and before the program's static
// objects (the input devices that simulated key and mouse events create among them).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
