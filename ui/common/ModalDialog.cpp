#include "ui/common/ModalDialog.h"

#include <QEvent>
#include <QTimer>

#include "ui/common/Preparation.h"

namespace kmq::ui {

ModalDialog::ModalDialog(QWidget* boardWindow)
    : QDialog(boardWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    finishPreparation();
    setModal(true);
}

// Some window managers minimise a dialog whatever its hints say; it comes
// straight back, once the window manager has finished with it.
void ModalDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() || !isMinimized()) return;
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
    });
}

}  // namespace kmq::ui
