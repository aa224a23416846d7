#include "ui/dialogs/GameDialog.h"

#include <QApplication>
#include <QScreen>

#include "ui/application/ApplicationIcon.h"
#include "ui/dialogs/ModalWindow.h"
#include "ui/platform/ScreenPlacement.h"

namespace kmq::ui {

GameDialog::GameDialog(const QString& title, QSize size, QWidget* boardWindow)
    : QDialog(boardWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(title);
    setFixedSize(size);
    QFont text = QApplication::font();
    text.setPixelSize(TextPixels);
    setFont(text);
    setModal(true);
    keepModalWindowInReach(this);
    setApplicationIcon();  // given once the board was drawn; here at the latest
}

// With its native window made first, the window system centres the
// dialog's client area rather than its frame, where players know it.
void GameDialog::centreOnTheBoardsScreen() {
    createWinId();
    platform::centreOnScreen(this, parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen());
}

}  // namespace kmq::ui
