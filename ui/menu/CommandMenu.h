#pragma once

#include <QMenu>

namespace kmq {
class LevelCatalogue;
}

namespace kmq::ui {

class AlwaysOnTop;

// The board's popup menu of commands. Each command acts at once on the
// current level or the stacking setting; the level and About dialogs take
// the board out of the topmost band while they are open.
class CommandMenu : public QMenu {
    Q_OBJECT
public:
    CommandMenu(LevelCatalogue& levels, AlwaysOnTop& alwaysOnTop, QWidget* boardWindow);

public slots:
    void newStandardGame();
    void chooseLevel();
    void restartLevel();
    void toggleAlwaysOnTop(bool on);
    void showAbout();

signals:
    // The exit command; the board window ends the game.
    void quitRequested();

private:
    QAction* addCommand(const QString& text, const char* objectName);
    void showAlwaysOnTopSetting();

    LevelCatalogue& levels_;
    AlwaysOnTop& alwaysOnTop_;
    QAction* alwaysOnTopAction_ = nullptr;
};

}  // namespace kmq::ui
