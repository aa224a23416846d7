// The floor for the game's start-up: the least a Qt program does to show a
// frameless window of the board's size, centred, and a popup menu of six
// items on a right-button release, in the desktop's own font.
//   startup_floor [--shaped-topmost]
// With --shaped-topmost the window also has the board's outline and stays
// above the others, as the board does: what the window system's part of
// showing such a window costs. The size and outline are written out here
// rather than taken from the game's headers: the floor links nothing of the
// game, so that it measures Qt alone.
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <cstring>

namespace {

class Floor : public QWidget {
public:
    Floor() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setFixedSize(199, 198); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::RightButton) return;
        QMenu menu(this);
        for (const char* item : {"One", "Two", "Three", "Four", "Five", "Six"}) menu.addAction(QLatin1String(item));
        menu.exec(event->globalPosition().toPoint());
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Floor window;
    if (argc > 1 && std::strcmp(argv[1], "--shaped-topmost") == 0) {
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
        window.setMask(QRegion(QPolygon({QPoint(2, 0), QPoint(197, 0), QPoint(199, 2), QPoint(199, 195),
                                         QPoint(196, 198), QPoint(3, 198), QPoint(0, 195), QPoint(0, 2)})));
    }
    window.move(window.screen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
