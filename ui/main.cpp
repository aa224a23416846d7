// The game's program: the board window on the desktop the player has.
#include <QApplication>
#include <cstdio>

#include "GameInfo.h"
#include "ui/application/ApplicationSetUp.h"
#include "ui/board/BoardWindow.h"
#include "ui/platform/WindowStacking.h"
#include "ui/platform/WindowSystem.h"

int main(int argc, char* argv[]) {
    if (!kmq::platform::chooseWindowSystem(argc, argv)) {
        std::fprintf(stderr,
                     "%s：找不到可以顯示視窗的桌面（未設定 DISPLAY，或顯示器或 QT_QPA_PLATFORM 指定的顯示方式沒有回應）。\n"
                     "%s: no display to show the game on (DISPLAY is not set, or the display or the "
                     "platform named in QT_QPA_PLATFORM does not answer).\n",
                     qUtf8Printable(kmq::ui::game::title()), qUtf8Printable(kmq::ui::game::applicationName()));
        return 1;
    }

    QApplication application(argc, argv);
    kmq::ui::setUpApplication();
    kmq::ui::BoardWindow board(kmq::platform::nativeStacking());
    board.showCentred();
    return QApplication::exec();
}
