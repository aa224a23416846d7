#include "HideForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "AlwaysOnTop.h"
#include "AppInfo.h"
#include "LevelCatalogue.h"
#include "LevelNumber.h"
#include "MessageBoxes.h"
#include "ScreenCentre.h"
#include "WrappedLabel.h"
#include "frmAbout.h"

namespace kmq::ui {
namespace {

constexpr QSize ClientSize(193, 121);

const QString NotANumberText = QStringLiteral("請輸入數字！");
const QString OutOfRangeText = QStringLiteral("請輸入 1 ~ 30 之間的數字！");

}  // namespace

HideForm::HideForm(LevelCatalogue& levels, AlwaysOnTop& alwaysOnTop, std::function<void()> endProgram)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      levels_(levels),
      alwaysOnTop_(alwaysOnTop),
      endProgram_(std::move(endProgram)) {
    BuildMenu();
    BuildDialog();
    Form_Load();
}

void HideForm::DefaultEndProgram() {
    QCoreApplication::quit();
}

void HideForm::BuildMenu() {
    Menu = new QMenu(QStringLiteral("選單"), this);
    M_Real = Menu->addAction(QStringLiteral("正式孔明棋(&P)"), this, &HideForm::M_Real_Click);
    M_Load = Menu->addAction(QStringLiteral("載入關卡(&L)..."), this, &HideForm::M_Load_Click);
    M_Restart = Menu->addAction(QStringLiteral("重新開始(&R)"), this, &HideForm::M_Restart_Click);
    M_L2 = Menu->addSeparator();
    M_AOT = Menu->addAction(QStringLiteral("最上層顯示(&T)"), this, &HideForm::M_AOT_Click);
    M_AOT->setCheckable(true);
    M_AOT->setChecked(alwaysOnTop_.Checked());
    M_L3 = Menu->addSeparator();
    M_About = Menu->addAction(QStringLiteral("關於(&A)..."), this, &HideForm::M_About_Click);
    M_L1 = Menu->addSeparator();
    M_End = Menu->addAction(QStringLiteral("結束(&E)"), this, &HideForm::M_End_Click);
}

// Sizes and places are the dialog's own, in pixels, default font throughout.
void HideForm::BuildDialog() {
    setWindowTitle(QStringLiteral("關卡選擇"));
    setWindowIcon(app::Icon());
    setFixedSize(ClientSize);
    setModal(true);

    Frame1 = new QGroupBox(QStringLiteral("請選擇等級"), this);
    Frame1->setGeometry(8, 8, 97, 105);
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(
            QString::fromUtf8(GradeCaption(i + 1).data(), static_cast<int>(GradeCaption(i + 1).size())),
            Frame1);
        Option1[i]->setGeometry(8, 16 + 16 * i, 49, 17);
    }
    Frame2 = new QGroupBox(QStringLiteral("選擇關卡"), this);
    Frame2->setGeometry(112, 8, 73, 73);
    Label1 = new WrappedLabel(QStringLiteral("請輸入數字："), Frame2);
    Label1->setGeometry(8, 16, 57, 25);
    Text1 = new QLineEdit(QStringLiteral("30"), Frame2);
    Text1->setGeometry(8, 48, 57, 18);
    Text1->setMaxLength(std::numeric_limits<int>::max());  // any text at all may be typed
    Command1 = new QPushButton(QStringLiteral("確定(&C)"), this);
    Command1->setGeometry(112, 88, 73, 25);
    // Neither default nor cancel button: Enter and Esc do nothing here.
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &HideForm::Command1_Click);

    // Frame captions sit on the frame's top line, so the controls placed
    // inside keep clear of them.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; top: -1px; padding: 0 2px; }"));

    // The button comes first, so it holds the focus when the dialog opens.
    setTabOrder(Command1, Option1[0]);
    for (std::size_t i = 1; i < Option1.size(); ++i) setTabOrder(Option1[i - 1], Option1[i]);
    setTabOrder(Option1.back(), Text1);
    Command1->setFocus();
}

void HideForm::Form_Load() {
    Option1[static_cast<std::size_t>(levels_.CurrentGroup - 1)]->setChecked(true);
    Text1->setText(QString::number(levels_.CurrentLevel));
}

void HideForm::M_Real_Click() {
    levels_.LoadStandardGame();
}

// The dialog always opens on the current grade and level, also after a won
// level moved on or the standard game was started while the form existed.
void HideForm::M_Load_Click() {
    alwaysOnTop_.LeaveForDialog();
    Form_Load();
    Command1->setFocus();
    CentreOnScreen(this);
    exec();
}

void HideForm::M_Restart_Click() {
    levels_.LoadLevel(levels_.CurrentGroup, levels_.CurrentLevel);
}

void HideForm::M_AOT_Click() {
    alwaysOnTop_.Toggle();
    M_AOT->setChecked(alwaysOnTop_.Checked());
}

void HideForm::M_About_Click() {
    alwaysOnTop_.LeaveForDialog();
    frmAbout about(alwaysOnTop_);
    about.exec();
}

void HideForm::M_End_Click() {
    endProgram_();
}

void HideForm::Command1_Click() {
    const QByteArray typed = Text1->text().toUtf8();
    const LevelEntryCheck entry = CheckLevelEntry(std::string_view(typed.constData(), typed.size()));
    if (entry.verdict != LevelEntry::Valid) {
        ShowMessage(this, entry.verdict == LevelEntry::OutOfRange ? OutOfRangeText : NotANumberText);
        return;
    }
    int group = levels_.CurrentGroup;
    for (int index = 0; index < static_cast<int>(Option1.size()); ++index)
        if (Option1[static_cast<std::size_t>(index)]->isChecked()) group = index + 1;
    levels_.SelectLevel(group, entry.level);
    alwaysOnTop_.RestoreAfterDialog();
    Unload();
}

// Closing the dialog any other way (its close box, the window manager)
// applies nothing, but puts the board's stacking back as OK does.
void HideForm::reject() {
    if (!isVisible()) return;
    alwaysOnTop_.RestoreAfterDialog();
    Unload();
}

void HideForm::Unload() {
    unloaded_ = true;
    done(QDialog::Accepted);
}

// Enter and Esc do nothing in this dialog.
void HideForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace kmq::ui
