#include <gtest/gtest.h>

#include <QApplication>

#include "ui/common/AppInfo.h"
#include "ui/common/ApplicationFont.h"
#include "ui/common/Translations.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // As the game does.
    QApplication::setWindowIcon(kmq::app::icon());
    kmq::ui::installChineseTranslations();
    kmq::ui::useShippedFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
