// The studio suite's main: one application for every test (offscreen unless the
// environment chooses a platform), with the editors installed beside the module as the
// studio installs them.
#include <g20seq/ui/Editors.h>

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g20seq::InstallEditors();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    g20seq::RemoveEditors();
    return result;
}
