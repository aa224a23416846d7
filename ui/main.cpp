// 澄湖益智孔明棋: peg solitaire on the 33-hole cross board.
#include "Main.h"

#include <QApplication>

#include "AppInfo.h"
#include "WindowStacking.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kmq::app::Title());
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kmq::app::Major).arg(kmq::app::Minor).arg(kmq::app::Revision));
    QApplication::setWindowIcon(kmq::app::Icon());

    kmq::ui::Main board(kmq::platform::NativeStacking());
    board.ShowCentred();
    return QApplication::exec();
}
