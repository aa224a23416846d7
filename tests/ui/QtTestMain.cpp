#include <gtest/gtest.h>

#include <QApplication>

#include "ui/application/ApplicationSetUp.h"

// The widgets start as the game does, on Qt's offscreen platform unless
// another is named.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kmq::ui::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
