#include <gtest/gtest.h>

#include <QApplication>

#include "ui/common/ApplicationFont.h"
#include "ui/common/Preparation.h"
#include "ui/common/Translations.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // As the game does: the face registered on a thread of its own, then
    // waited for with the icon given, before any window shows text.
    kmq::ui::installChineseTranslations();
    kmq::ui::useShippedFontFamily();
    kmq::ui::beginFace();
    kmq::ui::finishPreparation();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
