#include "ui/menu/CommandMenu.h"

#include "core/LevelCatalogue.h"
#include "ui/board/AlwaysOnTop.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LevelDialog.h"

namespace kmq::ui {

CommandMenu::CommandMenu(LevelCatalogue& levels, AlwaysOnTop& alwaysOnTop, QWidget* boardWindow)
    : QMenu(QStringLiteral("選單"), boardWindow), levels_(levels), alwaysOnTop_(alwaysOnTop) {
    connect(addCommand(QStringLiteral("正式孔明棋(&P)"), "newStandardGameAction"), &QAction::triggered, this,
            &CommandMenu::newStandardGame);
    connect(addCommand(QStringLiteral("載入關卡(&L)..."), "chooseLevelAction"), &QAction::triggered, this,
            &CommandMenu::chooseLevel);
    connect(addCommand(QStringLiteral("重新開始(&R)"), "restartLevelAction"), &QAction::triggered, this,
            &CommandMenu::restartLevel);
    addSeparator();
    alwaysOnTopAction_ = addCommand(QStringLiteral("最上層顯示(&T)"), "alwaysOnTopAction");
    alwaysOnTopAction_->setCheckable(true);
    connect(alwaysOnTopAction_, &QAction::triggered, this, &CommandMenu::toggleAlwaysOnTop);
    addSeparator();
    connect(addCommand(QStringLiteral("關於(&A)..."), "aboutAction"), &QAction::triggered, this,
            &CommandMenu::showAbout);
    addSeparator();
    connect(addCommand(QStringLiteral("結束(&E)"), "quitAction"), &QAction::triggered, this,
            &CommandMenu::quitRequested);

    showAlwaysOnTopSetting();
    connect(this, &QMenu::aboutToShow, this, [this] {
        alwaysOnTop_.followWindow();
        showAlwaysOnTopSetting();
    });
}

QAction* CommandMenu::addCommand(const QString& text, const char* objectName) {
    QAction* action = addAction(text);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

void CommandMenu::showAlwaysOnTopSetting() {
    alwaysOnTopAction_->setChecked(alwaysOnTop_.isOn());
}

void CommandMenu::newStandardGame() {
    levels_.loadStandardGame();
}

// The dialog opens on the current grade and level; a confirmed choice is
// laid out before the board goes back on top.
void CommandMenu::chooseLevel() {
    alwaysOnTop_.leaveForDialog();
    const auto choice = LevelDialog::ask(LevelChoice{levels_.grade(), levels_.level()}, parentWidget());
    if (choice) levels_.selectLevel(choice->grade, choice->level);
    alwaysOnTop_.restoreAfterDialog();
}

void CommandMenu::restartLevel() {
    levels_.restartLevel();
}

void CommandMenu::toggleAlwaysOnTop(bool on) {
    alwaysOnTop_.set(on);
    showAlwaysOnTopSetting();
}

void CommandMenu::showAbout() {
    alwaysOnTop_.leaveForDialog();
    AboutDialog about(parentWidget());
    about.exec();
    alwaysOnTop_.restoreAfterDialog();
}

}  // namespace kmq::ui
