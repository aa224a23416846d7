// The floor for the game's start-up: the least a Qt program does to show a
// frameless window of the board's size, centred, and a popup menu of six
// items on a right-button release, in the desktop's own font.
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

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
    window.move(window.screen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
