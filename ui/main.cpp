// 澄湖益智孔明棋: peg solitaire on the 33-hole cross board.
#include <QApplication>

#include "ui/board/BoardWindow.h"
#include "ui/common/AppInfo.h"
#include "ui/platform/WindowStacking.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kmq::app::title());
    QApplication::setApplicationVersion(kmq::app::version());
    QApplication::setWindowIcon(kmq::app::icon());

    kmq::ui::BoardWindow board(kmq::platform::nativeStacking());
    board.showCentred();
    return QApplication::exec();
}
