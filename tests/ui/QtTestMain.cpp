#include <gtest/gtest.h>

#include <QApplication>

#include "ui/common/ApplicationFont.h"
#include "ui/common/Preparation.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // As the game does, with the face, the icon and Qt's texts made ready at once.
    kmq::ui::useShippedFontFamily();
    kmq::ui::finishPreparation();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
