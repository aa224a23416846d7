#include "ui/common/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/common/AppInfo.h"
#include "ui/common/Preparation.h"

namespace kmq::ui {
namespace {

void prepare(QMessageBox& box, const QString& text) {
    box.setWindowTitle(app::title());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
}

}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    finishPreparation();
    QMessageBox box(parent);
    prepare(box, text);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("確定"));
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text) {
    finishPreparation();
    QMessageBox box(parent);
    prepare(box, text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace kmq::ui
