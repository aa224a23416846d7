#include "ui/dialogs/LevelDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "core/LevelNumber.h"
#include "core/LevelTable.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WrappedLabel.h"

namespace kmq::ui {
namespace {

constexpr QSize ClientSize(193, 121);

QString notANumberText() {
    return QStringLiteral("請輸入數字！");
}

QString outOfRangeText() {
    return QStringLiteral("請輸入 %1 ~ %2 之間的數字！").arg(FirstLevel).arg(LastLevel);
}

QString gradeText(int grade) {
    const std::string_view caption = gradeCaption(grade);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace

std::optional<LevelChoice> LevelDialog::ask(LevelChoice preset, QWidget* parent) {
    LevelDialog dialog(preset, parent);
    dialog.exec();
    return dialog.choice();
}

LevelDialog::LevelDialog(LevelChoice preset, QWidget* parent)
    : GameDialog(QStringLiteral("關卡選擇"), ClientSize, parent) {

    createGradeBox();
    createLevelBox(preset.level);
    gradeButtons_->button(preset.grade)->setChecked(true);

    auto* okButton = new QPushButton(QStringLiteral("確定(&C)"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(112, 88, 73, 25);
    // Neither default nor cancel button: Enter and Esc do nothing here.
    okButton->setAutoDefault(false);
    okButton->setDefault(false);
    connect(okButton, &QPushButton::clicked, this, &LevelDialog::confirm);

    // Frame captions sit on the frame's top line, so the controls placed
    // inside keep clear of them.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; top: -1px; padding: 0 2px; }"));

    // The button comes first, so it holds the focus when the dialog opens.
    QWidget* previous = okButton;
    for (QAbstractButton* button : gradeButtons_->buttons()) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, levelEdit_);
    okButton->setFocus();
    centreOnTheBoardsScreen();
}

void LevelDialog::createGradeBox() {
    auto* gradeBox = new QGroupBox(QStringLiteral("請選擇等級"), this);
    gradeBox->setObjectName(QStringLiteral("gradeBox"));
    gradeBox->setGeometry(8, 8, 97, 105);
    gradeButtons_ = new QButtonGroup(this);
    gradeButtons_->setObjectName(QStringLiteral("gradeButtons"));
    for (int grade = FirstGrade; grade <= LastGrade; ++grade) {
        auto* button = new QRadioButton(gradeText(grade), gradeBox);
        button->setGeometry(8, 16 + 16 * (grade - FirstGrade), 49, 17);
        gradeButtons_->addButton(button, grade);
    }
}

void LevelDialog::createLevelBox(int level) {
    auto* levelBox = new QGroupBox(QStringLiteral("選擇關卡"), this);
    levelBox->setObjectName(QStringLiteral("levelBox"));
    levelBox->setGeometry(112, 8, 73, 73);
    // Too wide for one line: it breaks between its words, never inside 數字.
    auto* levelPrompt = new WrappedLabel({QStringLiteral("請輸入"), QStringLiteral("數字：")}, levelBox);
    levelPrompt->setObjectName(QStringLiteral("levelPrompt"));
    levelPrompt->setGeometry(8, 16, 57, 25);
    levelEdit_ = new QLineEdit(QString::number(level), levelBox);
    levelEdit_->setObjectName(QStringLiteral("levelEdit"));
    levelEdit_->setGeometry(8, 48, 57, 18);
    levelEdit_->setMaxLength(std::numeric_limits<int>::max());  // any text at all may be typed
}

void LevelDialog::confirm() {
    const QByteArray typed = levelEdit_->text().toUtf8();
    const LevelEntryCheck entry = checkLevelEntry(std::string_view(typed.constData(), typed.size()));
    if (entry.verdict != LevelEntry::Valid) {
        showMessage(this, entry.verdict == LevelEntry::OutOfRange ? outOfRangeText() : notANumberText());
        return;
    }
    choice_ = LevelChoice{gradeButtons_->checkedId(), entry.level};
    accept();
}

// Enter and Esc do nothing in this dialog.
void LevelDialog::keyPressEvent(QKeyEvent* event) {
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
