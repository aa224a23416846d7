// 澄湖益智孔明棋: peg solitaire on the 33-hole cross board.
#include <QApplication>
#include <cstdio>

#include "ui/board/BoardWindow.h"
#include "ui/common/AppInfo.h"
#include "ui/common/ApplicationFont.h"
#include "ui/common/FirstPaint.h"
#include "ui/common/Preparation.h"
#include "ui/common/Translations.h"
#include "ui/platform/WindowStacking.h"
#include "ui/platform/WindowSystem.h"

int main(int argc, char* argv[]) {
    if (!kmq::platform::chooseWindowSystem()) {
        std::fputs(
            "澄湖益智孔明棋：找不到可以顯示視窗的桌面（未設定 DISPLAY，或顯示器沒有回應）。\n"
            "kongmingqi: no display to show the game on (DISPLAY is not set, or the display does not "
            "answer).\n",
            stderr);
        return 1;
    }

    QApplication application(argc, argv);
    // The window class ("kongmingqi", "Kongmingqi") and the desktop entry tie
    // the window to its menu entry.
    QApplication::setApplicationName(QStringLiteral("Kongmingqi"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kongmingqi"));
    QApplication::setApplicationVersion(kmq::app::version());
    // Before any widget exists: a change afterwards would make every widget
    // lay itself out and draw itself again. Qt's translation is read in
    // place from the resources.
    kmq::ui::installChineseTranslations();
    kmq::ui::useShippedFontFamily();

    kmq::ui::BoardWindow board(kmq::platform::nativeStacking());
    board.showCentred();
    // The board needs no icon to be drawn: it is made once the board is on
    // the screen. The face follows the first press (BoardWindow).
    kmq::ui::afterFirstPaint(&board, &kmq::ui::giveIcon);
    const int status = QApplication::exec();
    kmq::ui::joinPreparation();
    return status;
}
