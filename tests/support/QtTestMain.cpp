// Entry point of the widget test programs: a headless QApplication with the
// program's own look, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/AppLook.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InitApplicationLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
