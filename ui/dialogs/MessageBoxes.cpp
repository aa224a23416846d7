#include "ui/dialogs/MessageBoxes.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "GameInfo.h"
#include "ui/dialogs/ModalWindow.h"

namespace kmq::ui {
namespace {

// Beside its title a title bar carries the window's icon and buttons
// (minimise, maximise and close under many window managers); this much
// room, in logical pixels, keeps the whole title in sight.
constexpr int TitleBarButtonsRoom = 110;

// Qt sizes a message box to its text and a rough guess at its title; the
// box is made as wide as the title needs beside the title bar's buttons,
// so the player never reads a clipped "澄…".
void makeRoomForTitle(QMessageBox& box) {
    box.ensurePolished();  // measured in the font it is drawn in
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + TitleBarButtonsRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void prepare(QMessageBox& box, const QString& text) {
    box.setWindowTitle(game::title());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    makeRoomForTitle(box);
    keepModalWindowInReach(&box);
}

}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    prepare(box, text);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("確定"));
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    prepare(box, text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace kmq::ui
