#include <gtest/gtest.h>

#include <QApplication>

#include "ui/common/Translations.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kmq::ui::installChineseTranslations();  // as the game does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
