#include "ui/common/ModalDialog.h"

#include "ui/common/ModalWindow.h"
#include "ui/common/Preparation.h"

namespace kmq::ui {

ModalDialog::ModalDialog(QWidget* boardWindow)
    : QDialog(boardWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    finishPreparation();
    setModal(true);
    keepModalWindowInReach(this);
}

}  // namespace kmq::ui
